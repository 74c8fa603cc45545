// The language rule and the text tables: English in ASCII, Japanese in code page 932 that the
// system can convert whole, the same texts in every table.
#include <gtest/gtest.h>

#include <iconv.h>

#include <algorithm>
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
