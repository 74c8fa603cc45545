#include "texts.h"

namespace {
constexpr TextEntry kJapanese[kTextCount] = {
    {kTextThirds, "三分割構図"},
    {kTextHalves, "二分割構図"},
    {kTextVerticalHalf, "二分割構図(縦)"},
    {kTextHorizontalHalf, "二分割構図(横)"},
    {kTextCountDivisions, "等分割数ダイアログ"},
    {kTextWidthDivisions, "等分割幅ダイアログ"},
    {kTextDiagonals, "対角線"},
    {kTextGoldenSection, "黄金分割"},
    {kTextRabatment, "ラバットメント"},
    {kTextRailman, "レイルマン比率"},
    {kTextPhiGrid, "黄金比グリッド"},
    {kTextGoldenSpiral, "黄金螺旋"},
    {kTextGoldenTriangles, "黄金三角形"},
    {kTextDynamicSymmetry, "ダイナミックシンメトリー"},
    {kTextSafeAreas, "セーフエリア"},
    {kTextLastGuide, "前回の構図"},
    {kTextProductName, "ペモカ"},
    {kTextFit, "フィット"},
    {kTextAspectRatio, "アスペクト比"},
    {kTextCustomRatio, "カスタム"},
    {kTextBorderOff, "外枠無し"},
    {kTextBorderOn, "外枠有り"},
    {kTextExit, "終了"},
    {kTextShow, "表示"},
    {kTextSettings, "設定"},
    {kTextVersion, "バージョン"},
    {kTextCancel, "キャンセル"},
    {kTextHotKeyNotSet, "ホットキーが設定できませんでした。"},
    {kTextSaveCapture, "キャプチャーの保存"},
    {kTextCountDivisionsItem, "等分割数ダイアログ"},
    {kTextWidthDivisionsItem, "等分割幅ダイアログ"},
    {kTextVersionBox, "mirvo\nペモカ\n%s"},
    {kTextSaveCaptureItem, "キャプチャー保存\tCtrl+S"},
    {kTextCopyToClipboard, "クリップボードにコピー\tCtrl+C"},
    {kTextFrameSize, "サイズ指定..."},
    {kTextLock, "ロック(クリック透過)\tCtrl+L"},
    {kTextUnlock, "ロック解除"},
    {kTextLayouts, "レイアウト"},
    {kTextEmptySlot, "%d: (空き)"},
    {kTextSettingsCaption, "ペモカの設定"},
    {kTextLineWidthRange, "線の幅(%d ～ %d)"},
    {kTextHotKeyTaken, "ホットキーが登録出来ませんでした。\n他のホットキーを設定してください。"},
    {kTextSettingsUnwritten, "設定を書き込めませんでした。"},
    {kTextRightButton, "マウス右ボタン"},
    {kTextMiddleButton, "マウス中央ボタン"},
    {kTextX1Button, "マウス X1 ボタン"},
    {kTextX2Button, "マウス X2 ボタン"},
    {kTextUndefinedKey, "未定義"},
    {kTextImeConvert, "IME 変換"},
    {kTextImeNonconvert, "IME 無変換"},
    {kTextImeModeChange, "IME モード変更"},
    {kTextBackspace, "BS"},
    {kTextBreak, "Cancel"},
    {kTextPictureNotSaved, "%s\nを保存できませんでした。\n書き込めない場所か、他のプログラムが使用中のファイルです。"},
    {kTextPictureNotTaken, "枠の範囲の画像を取得できませんでした。枠を小さくしてやり直してください。"},
    {kTextClipboardBusy, "クリップボードを他のプログラムが使用中のため、コピーできませんでした。"},
    {kTextLayoutNotStored, "レイアウト %s を設定ファイルに書き込めませんでした。\nこのレイアウトは次の保存時と終了時に、もう一度書き込みます。"},
    {kTextCannotLock, "ロックできません。ロックを解除するための通知領域のアイコンもホットキーも使えません。"},
    {kTextFrameSideRange, "幅と高さには 40 ～ 30000 の数を入力してください。"},
    {kTextAddVerticalGuide, "縦ガイドを追加"},
    {kTextAddHorizontalGuide, "横ガイドを追加"},
    {kTextClearGuides, "ガイドをすべて消す"},
    {kTextDimOutside, "周囲を暗く"},
    {kTextKeepOutOfCaptures, "キャプチャーに写さない"},
    {kTextGuidesAndDimming, "自分のガイド線と周囲"},
};

// Written as Windows writes its own: title case and access keys in menus and titles, an
// ellipsis only where a window asks for something before the command runs. One name for one
// thing, in the menus, the editor and the README alike.
constexpr TextEntry kEnglish[kTextCount] = {
    {kTextThirds, "Rule of &Thirds"},
    {kTextHalves, "C&enter Lines"},
    {kTextVerticalHalf, "&Vertical Center Line"},
    {kTextHorizontalHalf, "Hori&zontal Center Line"},
    {kTextCountDivisions, "Grid by Co&unt"},
    {kTextWidthDivisions, "Grid &by Spacing"},
    {kTextDiagonals, "D&iagonals"},
    {kTextGoldenSection, "Golden &Diagonals"},
    {kTextRabatment, "Rabat&ment"},
    {kTextRailman, "&Railman Ratio"},
    {kTextPhiGrid, "&Golden Ratio Grid"},
    {kTextGoldenSpiral, "Golde&n Spiral"},
    {kTextGoldenTriangles, "G&olden Triangles"},
    {kTextDynamicSymmetry, "D&ynamic Symmetry"},
    {kTextSafeAreas, "Safe &Areas"},
    {kTextLastGuide, "Guide Last Used"},
    {kTextProductName, "Pemoka"},
    {kTextFit, "Gro&w to Edges"},
    {kTextAspectRatio, "As&pect Ratio"},
    {kTextCustomRatio, "&Custom..."},
    {kTextBorderOff, "&Hide Border"},
    {kTextBorderOn, "S&how Border"},
    {kTextExit, "E&xit"},
    {kTextShow, "&Show Pemoka"},
    {kTextSettings, "S&ettings..."},
    {kTextVersion, "&About Pemoka"},
    {kTextCancel, "&Cancel"},
    {kTextHotKeyNotSet, "The keyboard shortcut could not be registered. Another program may be using it."},
    {kTextSaveCapture, "Save Screenshot"},
    {kTextCountDivisionsItem, "Grid by Co&unt..."},
    {kTextWidthDivisionsItem, "Grid &by Spacing..."},
    {kTextVersionBox, "Pemoka\nVersion %s\nby mirvo"},
    {kTextSaveCaptureItem, "&Save Screenshot...\tCtrl+S"},
    {kTextCopyToClipboard, "&Copy to Clipboard\tCtrl+C"},
    {kTextFrameSize, "&Frame Size..."},
    {kTextLock, "Loc&k (Click Through)\tCtrl+L"},
    {kTextUnlock, "&Unlock"},
    {kTextLayouts, "&Layouts"},
    {kTextEmptySlot, "%d: (Empty)"},
    {kTextSettingsCaption, "Pemoka Settings"},
    {kTextLineWidthRange, "Line wi&dth (%d-%d):"},
    {kTextHotKeyTaken, "This keyboard shortcut is already in use. Choose a different key or modifier."},
    {kTextSettingsUnwritten, "The settings could not be saved."},
    {kTextRightButton, "Right Mouse Button"},
    {kTextMiddleButton, "Middle Mouse Button"},
    {kTextX1Button, "X1 Mouse Button"},
    {kTextX2Button, "X2 Mouse Button"},
    {kTextUndefinedKey, "Undefined"},
    {kTextImeConvert, "IME Convert"},
    {kTextImeNonconvert, "IME Nonconvert"},
    {kTextImeModeChange, "IME Mode Change"},
    {kTextBackspace, "Backspace"},
    {kTextBreak, "Break"},
    {kTextPictureNotSaved, "%s\ncould not be saved. The folder cannot be written to, or another program is using the file."},
    {kTextPictureNotTaken, "The screenshot of the frame's area could not be taken. Make the frame smaller and try again."},
    {kTextClipboardBusy, "The screenshot could not be copied: another program is using the clipboard."},
    {kTextLayoutNotStored, "Layout %s could not be written to the settings file.\nIt will be written again at the next layout you store and when Pemoka closes."},
    {kTextCannotLock, "The frame cannot be locked: neither a tray icon nor a keyboard shortcut is available to unlock it."},
    {kTextFrameSideRange, "Enter a width and height from 40 to 30000."},
    {kTextAddVerticalGuide, "Add &Vertical Guide"},
    {kTextAddHorizontalGuide, "Add &Horizontal Guide"},
    {kTextClearGuides, "&Remove All Guides"},
    {kTextDimOutside, "&Dim Surroundings"},
    {kTextKeepOutOfCaptures, "Keep Out of Screenshots (&Q)"},
    {kTextGuidesAndDimming, "Guides and Surroundings (&J)"},
};

// Every entry stands at the place of its id: a table that misses one does not compile.
constexpr bool Complete(const TextEntry (&table)[kTextCount]) {
    for (int i = 0; i < kTextCount; ++i)
        if (table[i].id != i || !table[i].text) return false;
    return true;
}
static_assert(Complete(kJapanese) && Complete(kEnglish));

constexpr uint16_t kPrimaryLanguageMask = 0x3FF;  // the LANGID's low ten bits
}  // namespace

// LANG_JAPANESE and LANG_ENGLISH, and the LANGIDs of their templates (the sublanguage default
// of Japanese, US English).
const LanguageTexts kLanguages[kLanguageCount] = {
    {0x11, 0x0411, kJapanese},
    {0x09, 0x0409, kEnglish},
};

const char* TextOf(Language language, TextId id) {
    const int index = static_cast<int>(language);
    if (index < 0 || index >= kLanguageCount || id < 0 || id >= kTextCount) return "";
    return kLanguages[index].texts[id].text;
}

void WithoutAccessKey(const char* text, char* out, unsigned cap) {
    if (!cap) return;
    unsigned used = 0;
    for (const char* p = text ? text : ""; *p && used + 1 < cap; ++p) {
        if (*p == '&' && *++p == '\0') break;  // the "&" goes, the letter after it stays
        out[used++] = *p;
    }
    out[used] = '\0';
}

Language ChooseLanguage(uint32_t ext, uint16_t uiLanguage) {
    if (ext & kJapaneseTextsExt) return Language::japanese;
    if (ext & kEnglishTextsExt) return Language::english;
    for (int i = 0; i < kLanguageCount; ++i)
        if (kLanguages[i].primaryLanguage == (uiLanguage & kPrimaryLanguageMask)) return static_cast<Language>(i);
    return Language::english;
}
