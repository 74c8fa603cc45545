// The settings dialog's rules that need no window: the rows of the start-up guide list, and
// when OK must try the hot key. Platform-free.
#pragma once
#include <cstdint>

#include "../settings/settings_record.h"
#include "../settings/texts.h"

// Row 0, "前回の構図", stores the remember flag alone; rows 1 to 10 are the guides in table order,
// and the rows after them the later guides that the file's Ext offers, in table order.
int StartupRowCount(int32_t ext);
const char* StartupRowLabel(int row, int32_t ext, Language language);

// The row that shows an InitRule: 0 when the remember flag is set, otherwise the listed guide row
// whose mask equals it; -1 when no row does (0, a hand-made combination such as 3, or a guide
// that Ext does not list).
int StartupRowOf(int32_t initRule, int32_t ext);
// What OK stores in InitRule for a row: the row's value; for -1 (nothing shown, nothing chosen)
// the value as read, so that a rule the list cannot show is kept.
int32_t InitRuleOfRow(int row, int32_t ext, int32_t asRead);

// Whether OK must try to register the hot key of tray and hotkey before it saves: only when
// the overlay would register it (tray 1, a key and a modifier) and it differs from what the
// file held. An unchanged hot key may well be held by our own running overlay.
bool HotKeyNeedsTest(int32_t tray, int32_t hotkey, const Settings& asRead);

// The group of extensions: one check box per Ext bit the programs know, and the choice of the
// interface language (automatic, or one of the two bits that fix it).
struct ExtensionBox {
    int control;
    uint32_t bit;
};
constexpr int kExtensionBoxCount = 8;
extern const ExtensionBox kExtensionBoxes[kExtensionBoxCount];
enum class LanguageChoice { automatic, japanese, english };
// The choice that Ext shows: Japanese with 0x0200 (also when both bits are set), English with
// 0x0100 alone, otherwise automatic.
LanguageChoice LanguageChoiceOf(int32_t ext);
// What OK stores in Ext: the boxes' bits as ticked and the chosen language's bit; every bit the
// group does not show stays as read.
int32_t ExtOfChoices(int32_t asRead, uint32_t tickedBits, LanguageChoice language);
