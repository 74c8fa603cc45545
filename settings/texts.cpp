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
    {kTextPictureNotSaved, "%s\nを保存できませんでした。\n書き込めない場所か、他のプログラムが使用中のファイルです。"},
    {kTextPictureNotTaken, "枠の範囲の画像を取得できませんでした。枠を小さくしてやり直してください。"},
    {kTextClipboardBusy, "クリップボードを他のプログラムが使用中のため、コピーできませんでした。"},
    {kTextLayoutNotStored, "レイアウト %s を設定ファイルに書き込めませんでした。\nこのレイアウトは次の保存時と終了時に、もう一度書き込みます。"},
    {kTextCannotLock, "ロックできません。ロックを解除するための通知領域のアイコンもホットキーも使えません。"},
    {kTextFrameSideRange, "幅と高さには 40 ～ 30000 の数を入力してください。"},
};

constexpr TextEntry kEnglish[kTextCount] = {
    {kTextThirds, "Rule of thirds"},
    {kTextHalves, "Halves"},
    {kTextVerticalHalf, "Halves (vertical)"},
    {kTextHorizontalHalf, "Halves (horizontal)"},
    {kTextCountDivisions, "Grid by count..."},
    {kTextWidthDivisions, "Grid by spacing..."},
    {kTextDiagonals, "Diagonals"},
    {kTextGoldenSection, "Golden section"},
    {kTextRabatment, "Rabatment"},
    {kTextRailman, "Railman ratio"},
    {kTextPhiGrid, "Phi grid"},
    {kTextGoldenSpiral, "Golden spiral"},
    {kTextGoldenTriangles, "Golden triangles"},
    {kTextDynamicSymmetry, "Dynamic symmetry"},
    {kTextSafeAreas, "Safe areas"},
    {kTextLastGuide, "Last used"},
    {kTextProductName, "Pemoka"},
    {kTextFit, "Fit"},
    {kTextAspectRatio, "Aspect ratio"},
    {kTextCustomRatio, "Custom..."},
    {kTextBorderOff, "Hide border"},
    {kTextBorderOn, "Show border"},
    {kTextExit, "Exit"},
    {kTextShow, "Show"},
    {kTextSettings, "Settings"},
    {kTextVersion, "Version"},
    {kTextCancel, "Cancel"},
    {kTextHotKeyNotSet, "The hot key could not be registered."},
    {kTextSaveCapture, "Save capture"},
    {kTextSaveCaptureItem, "Save capture\tCtrl+S"},
    {kTextCopyToClipboard, "Copy to clipboard\tCtrl+C"},
    {kTextFrameSize, "Frame size..."},
    {kTextLock, "Lock (click-through)\tCtrl+L"},
    {kTextUnlock, "Unlock"},
    {kTextLayouts, "Layouts"},
    {kTextEmptySlot, "%d: (empty)"},
    {kTextSettingsCaption, "Pemoka Settings"},
    {kTextLineWidthRange, "Line width (%d-%d)"},
    {kTextHotKeyTaken, "The hot key could not be registered.\nPlease choose another one."},
    {kTextSettingsUnwritten, "The settings could not be written."},
    {kTextRightButton, "Right Button"},
    {kTextMiddleButton, "Middle Button"},
    {kTextX1Button, "X1 Button"},
    {kTextX2Button, "X2 Button"},
    {kTextUndefinedKey, "Undefined"},
    {kTextImeConvert, "IME Convert"},
    {kTextImeNonconvert, "IME Nonconvert"},
    {kTextImeModeChange, "IME Mode Change"},
    {kTextPictureNotSaved, "%s\ncould not be saved. The folder cannot be written to, or another program is using the file."},
    {kTextPictureNotTaken, "The picture of the frame's area could not be taken. Make the frame smaller and try again."},
    {kTextClipboardBusy, "The picture could not be copied: another program is using the clipboard."},
    {kTextLayoutNotStored, "Layout %s could not be written to the settings file.\nIt will be written again at the next layout you store and when Pemoka closes."},
    {kTextCannotLock, "The frame cannot be locked: neither a notification area icon nor a keyboard shortcut is available to unlock it."},
    {kTextFrameSideRange, "Enter a width and height from 40 to 30000."},
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

Language ChooseLanguage(uint32_t ext, uint16_t uiLanguage) {
    if (ext & kJapaneseTextsExt) return Language::japanese;
    if (ext & kEnglishTextsExt) return Language::english;
    for (int i = 0; i < kLanguageCount; ++i)
        if (kLanguages[i].primaryLanguage == (uiLanguage & kPrimaryLanguageMask)) return static_cast<Language>(i);
    return Language::english;
}
