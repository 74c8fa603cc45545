// The language rule and the text tables: English in ASCII, Japanese in code page 932 that the
// system can convert whole, the same texts in every table.
#include <gtest/gtest.h>

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "settings/shared_names.h"
#include "settings/texts.h"

namespace {
constexpr uint16_t kJapaneseUi = 0x0411, kUsEnglishUi = 0x0409;

// Whether the bytes are whole characters of code page 932: ASCII, half-width kana, or a lead
// byte followed by a trail byte.
bool WholeCp932(const std::string& s) {
    for (size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80 || (c >= 0xA1 && c <= 0xDF)) continue;
        if (!((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) || ++i == s.size()) return false;
        const auto t = static_cast<unsigned char>(s[i]);
        if (t < 0x40 || t == 0x7F || t > 0xFC) return false;
    }
    return true;
}

// The text converted from one character set to another; false when a byte does not convert.
bool Convert(const char* to, const char* from, const std::string& in, std::string& out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string source = in, result(in.size() * 4 + 4, '\0');
    char* src = source.data();
    char* dst = result.data();
    size_t srcLeft = source.size(), dstLeft = result.size();
    const bool whole = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1) && srcLeft == 0;
    iconv_close(cd);
    out.assign(result.data(), result.size() - dstLeft);
    return whole;
}

std::string Conversions(const std::string& s) {
    std::string found;
    for (size_t at = s.find('%'); at != std::string::npos; at = s.find('%', at + 2)) found += s.substr(at, 2);
    return found;
}
}  // namespace

TEST(Texts, TheLanguageRule) {
    const struct { uint32_t ext; uint16_t ui; Language shown; } cases[] = {
        {0, kJapaneseUi, Language::japanese},  // as the program has always been
        {0, kUsEnglishUi, Language::english},
        {0, 0x0809, Language::english},  // British English
        {0, 0x0407, Language::english},  // German: no table of its own
        {0, 0x0000, Language::english},
        {0, 0x0811, Language::japanese},  // the primary language decides, not the sublanguage
        {0x0100, kJapaneseUi, Language::english},
        {0x0200, kUsEnglishUi, Language::japanese},
        {0x0300, kUsEnglishUi, Language::japanese},  // both bits: Japanese
        {0x0300, kJapaneseUi, Language::japanese},
        {0xFFFFFFFF, kUsEnglishUi, Language::japanese},
        {0x4100, kJapaneseUi, Language::english},  // other bits change nothing
        {0xFFFFFCFF, kUsEnglishUi, Language::english},
        {0xFFFFFCFF, kJapaneseUi, Language::japanese},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseLanguage(c.ext, c.ui), c.shown) << std::hex << c.ext << " " << c.ui;
}

TEST(Texts, EnglishIsAsciiAndJapaneseConvertsWhole) {
    for (int id = 0; id < kTextCount; ++id) {
        const std::string japanese = TextOf(Language::japanese, static_cast<TextId>(id));
        const std::string english = TextOf(Language::english, static_cast<TextId>(id));
        EXPECT_FALSE(japanese.empty()) << id;
        EXPECT_FALSE(english.empty()) << id;
        const auto ascii = [](char c) { return c == '\n' || c == '\t' || (c >= 0x20 && c < 0x7F); };
        EXPECT_TRUE(std::all_of(english.begin(), english.end(), ascii)) << id << " " << english;
        EXPECT_TRUE(WholeCp932(japanese)) << id;
        std::string utf8, back;
        EXPECT_TRUE(Convert("UTF-8", "CP932", japanese, utf8)) << id;
        EXPECT_TRUE(Convert("CP932", "UTF-8", utf8, back)) << id << " " << utf8;
        EXPECT_EQ(back, japanese) << id << " " << utf8;
        // A text is formatted with the same arguments whatever its language.
        EXPECT_EQ(Conversions(japanese), Conversions(english)) << id;
    }
    std::string utf8;
    ASSERT_TRUE(Convert("UTF-8", "CP932", TextOf(Language::japanese, kTextThirds), utf8));
    EXPECT_EQ(utf8, reinterpret_cast<const char*>(u8"三分割構図"));  // u8 literals stay UTF-8
    EXPECT_STREQ(TextOf(Language::english, kTextProductName), "Pemoka");
    EXPECT_STREQ(TextOf(static_cast<Language>(kLanguageCount), kTextExit), "");
    EXPECT_STREQ(TextOf(Language::english, kTextCount), "");
}

// Every guide has its own name in each language.
TEST(Texts, EveryGuideIsNamed) {
    for (Language language : {Language::japanese, Language::english}) {
        for (int a = 0; a < kGuideCount; ++a)
            for (int b = a + 1; b < kGuideCount; ++b)
                EXPECT_STRNE(TextOf(language, kGuideNames[a].label), TextOf(language, kGuideNames[b].label));
    }
}

namespace {
// What a text is to the person who reads it, and so how Windows would write it in English.
enum class Kind { menuItem, guideName, title, message, fieldLabel, keyName, plain };
struct Convention {
    TextId id;
    Kind kind;
    bool asks;  // the command opens a window that asks for something before it runs: "..."
};
constexpr Convention kConventions[] = {
    {kTextThirds, Kind::guideName, false},           {kTextHalves, Kind::guideName, false},
    {kTextVerticalHalf, Kind::guideName, false},     {kTextHorizontalHalf, Kind::guideName, false},
    {kTextCountDivisions, Kind::guideName, false},   {kTextWidthDivisions, Kind::guideName, false},
    {kTextDiagonals, Kind::guideName, false},        {kTextGoldenSection, Kind::guideName, false},
    {kTextRabatment, Kind::guideName, false},        {kTextRailman, Kind::guideName, false},
    {kTextPhiGrid, Kind::guideName, false},          {kTextGoldenSpiral, Kind::guideName, false},
    {kTextGoldenTriangles, Kind::guideName, false},  {kTextDynamicSymmetry, Kind::guideName, false},
    {kTextSafeAreas, Kind::guideName, false},        {kTextLastGuide, Kind::title, false},
    {kTextProductName, Kind::title, false},          {kTextFit, Kind::menuItem, false},
    {kTextAspectRatio, Kind::menuItem, false},       {kTextCustomRatio, Kind::menuItem, true},
    {kTextBorderOff, Kind::menuItem, false},         {kTextBorderOn, Kind::menuItem, false},
    {kTextExit, Kind::menuItem, false},              {kTextShow, Kind::menuItem, false},
    {kTextSettings, Kind::menuItem, true},           {kTextVersion, Kind::menuItem, false},
    {kTextCancel, Kind::menuItem, false},            {kTextHotKeyNotSet, Kind::message, false},
    {kTextSaveCapture, Kind::title, false},          {kTextCountDivisionsItem, Kind::menuItem, true},
    {kTextWidthDivisionsItem, Kind::menuItem, true}, {kTextVersionBox, Kind::plain, false},
    {kTextSaveCaptureItem, Kind::menuItem, true},    {kTextCopyToClipboard, Kind::menuItem, false},
    {kTextFrameSize, Kind::menuItem, true},          {kTextLock, Kind::menuItem, false},
    {kTextUnlock, Kind::menuItem, false},            {kTextLayouts, Kind::menuItem, false},
    {kTextEmptySlot, Kind::plain, false},            {kTextSettingsCaption, Kind::title, false},
    {kTextLineWidthRange, Kind::fieldLabel, false},  {kTextHotKeyTaken, Kind::message, false},
    {kTextSettingsUnwritten, Kind::message, false},  {kTextRightButton, Kind::keyName, false},
    {kTextMiddleButton, Kind::keyName, false},       {kTextX1Button, Kind::keyName, false},
    {kTextX2Button, Kind::keyName, false},           {kTextUndefinedKey, Kind::keyName, false},
    {kTextImeConvert, Kind::keyName, false},         {kTextImeNonconvert, Kind::keyName, false},
    {kTextImeModeChange, Kind::keyName, false},      {kTextBackspace, Kind::keyName, false},
    {kTextBreak, Kind::keyName, false},              {kTextPictureNotSaved, Kind::message, false},
    {kTextPictureNotTaken, Kind::message, false},    {kTextClipboardBusy, Kind::message, false},
    {kTextLayoutNotStored, Kind::message, false},    {kTextCannotLock, Kind::message, false},
    {kTextFrameSideRange, Kind::message, false},
    {kTextAddVerticalGuide, Kind::menuItem, false},  {kTextAddHorizontalGuide, Kind::menuItem, false},
    {kTextClearGuides, Kind::menuItem, false},       {kTextDimOutside, Kind::menuItem, false},
    {kTextKeepOutOfCaptures, Kind::menuItem, false}, {kTextGuidesAndDimming, Kind::menuItem, false},
};
static_assert(sizeof kConventions / sizeof kConventions[0] == kTextCount, "every text has its row");

// The text before a tab (a menu item's key), without its access key.
std::string Shown(const std::string& text) {
    char out[256];
    WithoutAccessKey(text.substr(0, text.find('\t')).c_str(), out, sizeof out);
    return out;
}

// Every word capitalised but the short ones inside, as Windows writes menus and titles.
bool TitleCase(const std::string& text) {
    static const char* const kSmall[] = {"a", "an", "and", "as", "at", "by", "for", "in", "of", "on", "or", "the", "to"};
    size_t start = 0;
    for (int word = 0; start < text.size(); ++word) {
        const size_t end = std::min(text.find(' ', start), text.size());
        const std::string w = text.substr(start, end - start);
        const bool small = std::any_of(std::begin(kSmall), std::end(kSmall), [&](const char* s) { return w == s; });
        const char first = w.empty() ? 'A' : (w[0] == '(' && w.size() > 1 ? w[1] : w[0]);
        if (!(std::isupper(static_cast<unsigned char>(first)) || std::isdigit(static_cast<unsigned char>(first)) ||
              (small && word > 0)))
            return false;
        start = end + 1;
    }
    return true;
}
}  // namespace

// The English texts as Windows writes its own: menus and titles in title case; an access key on
// every menu item and field label, nowhere else; an ellipsis on a command that asks before it
// runs and on nothing else; messages as whole sentences.
TEST(Texts, EnglishFollowsWindowsConventions) {
    for (const Convention& c : kConventions) {
        const std::string text = TextOf(Language::english, c.id), shown = Shown(text);
        const bool accessKey = std::count(text.begin(), text.end(), '&') == 1 && text.back() != '&';
        const bool ellipsis = shown.size() >= 3 && shown.compare(shown.size() - 3, 3, "...") == 0;
        EXPECT_EQ(ellipsis, c.asks) << text;
        switch (c.kind) {
            case Kind::menuItem:
            case Kind::guideName:
                EXPECT_TRUE(accessKey) << text;
                EXPECT_TRUE(TitleCase(shown)) << text;
                break;
            case Kind::title:
            case Kind::keyName:
                EXPECT_EQ(text.find('&'), std::string::npos) << text;
                EXPECT_TRUE(TitleCase(shown)) << text;
                break;
            case Kind::message:
                EXPECT_EQ(text.find('&'), std::string::npos) << text;
                // A sentence, or a file's name and then one.
                EXPECT_TRUE((std::isupper(static_cast<unsigned char>(text[0])) || text.rfind("%s\n", 0) == 0) &&
                            text.back() == '.')
                    << text;
                break;
            case Kind::fieldLabel:
                EXPECT_TRUE(accessKey) << text;
                EXPECT_EQ(text.back(), ':') << text;
                break;
            case Kind::plain: EXPECT_EQ(text.find('&'), std::string::npos) << text; break;
        }
    }
}

// A guide's name is the same wherever it shows (the menu, the start-up list, a layout's item):
// no ellipsis in either language, and without its access key each is a name of its own.
TEST(Texts, GuideNamesCarryNoEllipsis) {
    for (Language language : {Language::japanese, Language::english}) {
        for (const GuideName& guide : kGuideNames) {
            const std::string name = Shown(TextOf(language, guide.label));
            EXPECT_EQ(name.find("..."), std::string::npos) << name;
            EXPECT_EQ(name.find('&'), std::string::npos) << name;
        }
    }
    const struct { const char* text; unsigned cap; std::string shown; } cases[] = {
        {"Rule of &Thirds", 64, "Rule of Thirds"},
        {"Fish && &Chips", 64, "Fish & Chips"},  // a doubled "&" is one shown
        {"Trailing&", 64, "Trailing"},
        {"Rule of &Thirds", 5, "Rule"},  // cut to the room given
        {"三分割構図", 64, "三分割構図"},
    };
    for (const auto& c : cases) {
        char out[64];
        WithoutAccessKey(c.text, out, c.cap);
        EXPECT_EQ(out, c.shown) << c.text;
    }
}
