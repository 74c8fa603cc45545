// Every text the two programs show, one table per language, and the rule that picks the
// language. Texts are held as code page 932 (the literals are compiled to it); the English ones
// are plain ASCII. Platform-free.
#pragma once
#include <cstdint>

enum TextId : int {
    // The guides' names, in the order of kGuideNames, and the start-up list's first row. A name
    // may carry an access key for the menu ("&"), which the list and the layouts leave out.
    kTextThirds, kTextHalves, kTextVerticalHalf, kTextHorizontalHalf, kTextCountDivisions,
    kTextWidthDivisions, kTextDiagonals, kTextGoldenSection, kTextRabatment, kTextRailman,
    kTextPhiGrid, kTextGoldenSpiral, kTextGoldenTriangles, kTextDynamicSymmetry, kTextSafeAreas, kTextLastGuide,
    // The overlay's menus, boxes, tip and save dialog.
    kTextProductName, kTextFit, kTextAspectRatio, kTextCustomRatio, kTextBorderOff, kTextBorderOn,
    kTextExit, kTextShow, kTextSettings, kTextVersion, kTextCancel, kTextHotKeyNotSet, kTextSaveCapture,
    // The menu items of the two guides that ask for their numbers first, and the version box.
    kTextCountDivisionsItem, kTextWidthDivisionsItem, kTextVersionBox,
    // The work tools': their menu group, the tray's unlock, the layouts' submenu and empty slot.
    kTextSaveCaptureItem, kTextCopyToClipboard, kTextFrameSize, kTextLock, kTextUnlock, kTextLayouts,
    kTextEmptySlot,
    // The editor's caption, label and warnings.
    kTextSettingsCaption, kTextLineWidthRange, kTextHotKeyTaken, kTextSettingsUnwritten,
    // The key names that differ between languages.
    kTextRightButton, kTextMiddleButton, kTextX1Button, kTextX2Button, kTextUndefinedKey,
    kTextImeConvert, kTextImeNonconvert, kTextImeModeChange, kTextBackspace, kTextBreak,
    // The work tools' warnings: what did not happen, and why. "%s" stands for a file or a number.
    kTextPictureNotSaved, kTextPictureNotTaken, kTextClipboardBusy, kTextLayoutNotStored, kTextCannotLock,
    kTextFrameSideRange,
    // The own lines' group of the context menu, the dimming's item, the capture switch and the
    // submenu of the first two.
    kTextAddVerticalGuide, kTextAddHorizontalGuide, kTextClearGuides, kTextDimOutside, kTextKeepOutOfCaptures,
    kTextGuidesAndDimming,
    kTextCount
};

// An index into kLanguages. A further language is a table there and its dialog templates.
enum class Language : int { japanese, english };

struct TextEntry {
    TextId id;  // the entry's own place in its table, checked when the table is compiled
    const char* text;
};

struct LanguageTexts {
    uint16_t primaryLanguage;   // of the user's interface language that shows this one
    uint16_t resourceLanguage;  // of this language's dialog templates
    const TextEntry* texts;     // kTextCount entries
};
constexpr int kLanguageCount = 2;
extern const LanguageTexts kLanguages[kLanguageCount];

const char* TextOf(Language language, TextId id);

// The text as a list or a label shows it: without its access key ("&&" stays one "&"), and cut
// to fit cap bytes with its zero.
void WithoutAccessKey(const char* text, char* out, unsigned cap);

// Ext bits that fix the language whatever the user's interface language is.
constexpr uint32_t kEnglishTextsExt = 0x0100, kJapaneseTextsExt = 0x0200;

// Japanese with kJapaneseTextsExt (also when both bits are set), English with kEnglishTextsExt;
// otherwise the language of the user's interface language (a LANGID), English when none of
// the tables is of that language.
Language ChooseLanguage(uint32_t ext, uint16_t uiLanguage);
