// Where the settings file lives, and the edits that keep every line they do not own.
#include <gtest/gtest.h>

#include "settings/ini_text.h"
#include "settings/settings_place.h"

TEST(SettingsPlace, BesideTheProgramsUnlessThatCannotBeWritten) {
    using enum SettingsPlace;
    const struct { const char* what; SettingsPlaceFacts facts; SettingsPlaces want; } cases[] = {
        {"a writable folder", {true, true, false}, {folder, folder}},
        {"a writable folder after it was read-only once", {true, true, true}, {folder, folder}},
        {"a read-only folder or file, first start", {false, true, false}, {folder, perUser}},
        {"a read-only folder or file, the per-user file already there", {false, true, true}, {perUser, perUser}},
        {"neither writable: the per-user write fails and is said", {false, true, false}, {folder, perUser}},
        {"a read-only folder and no per-user folder to be had", {false, false, false}, {folder, folder}},
    };
    for (const auto& c : cases) EXPECT_EQ(ChooseSettingsPlaces(c.facts), c.want) << c.what;
}

TEST(IniText, TheSectionIsReplacedAndEverythingElseKept) {
    const std::string body = "Width=1\r\nExt=0\r\n";
    const struct { const char* what; const char* text; const char* want; } cases[] = {
        {"no file yet", "", "[SET]\r\nWidth=1\r\nExt=0\r\n"},
        {"the section alone", "[SET]\r\nWidth=640\r\nMine=1\r\n", "[SET]\r\nWidth=1\r\nExt=0\r\n"},
        {"comments, layouts and another section around it",
         "; mine\r\n[SET]\r\nWidth=640\r\n[LAYOUT]\r\n1=10,20,300,200,1,0\r\n\r\n[Other]\r\n; kept\r\nx=1",
         "; mine\r\n[SET]\r\nWidth=1\r\nExt=0\r\n[LAYOUT]\r\n1=10,20,300,200,1,0\r\n\r\n[Other]\r\n; kept\r\nx=1"},
        {"other sections only, the last line without its end", "[Other]\nx=1",
         "[Other]\nx=1\r\n[SET]\r\nWidth=1\r\nExt=0\r\n"},
        {"a header in another case, with blanks and a byte order mark", "\xEF\xBB\xBF  [ set ]  \nWidth=5\n[b]\n",
         "\xEF\xBB\xBF  [ set ]  \nWidth=1\r\nExt=0\r\n[b]\n"},
        {"the header is the last line", "[SET]", "[SET]\r\nWidth=1\r\nExt=0\r\n"},
        {"only the first of two", "[SET]\r\na=1\r\n[SET]\r\nb=2\r\n", "[SET]\r\nWidth=1\r\nExt=0\r\n[SET]\r\nb=2\r\n"},
        {"a bracket without its end opens nothing", "[SET\r\nx=1\r\n", "[SET\r\nx=1\r\n[SET]\r\nWidth=1\r\nExt=0\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReplaceIniSection(c.text, "SET", body), c.want) << c.what;
}

TEST(IniText, AKeyIsSetInItsSectionAlone) {
    const struct { const char* what; const char* text; const char* want; } cases[] = {
        {"no file yet", "", "[LAYOUT]\r\n2=a\r\n"},
        {"a new slot after the others, before blank lines",
         "[SET]\r\nWidth=1\r\n[LAYOUT]\r\n1=x\r\n\r\n[Other]\r\n2=y\r\n",
         "[SET]\r\nWidth=1\r\n[LAYOUT]\r\n1=x\r\n2=a\r\n\r\n[Other]\r\n2=y\r\n"},
        {"a slot stored again, blanks around its key", "[layout]\n; mine\n 2 = old\n3=z\n",
         "[layout]\n; mine\n2=a\r\n3=z\n"},
        {"the slot of another section is not it", "[Other]\r\n2=y\r\n[LAYOUT]\r\n",
         "[Other]\r\n2=y\r\n[LAYOUT]\r\n2=a\r\n"},
        {"the section is the last line, without its end", "[SET]\r\nWidth=1\r\n[LAYOUT]", "[SET]\r\nWidth=1\r\n[LAYOUT]\r\n2=a\r\n"},
        {"a key that only begins like it", "[LAYOUT]\r\n22=q\r\n", "[LAYOUT]\r\n22=q\r\n2=a\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(SetIniKey(c.text, "LAYOUT", "2", "a"), c.want) << c.what;
}

// The system ends a line at '\r' as at '\n': what is put in keeps that reading.
TEST(IniText, LinesEndingInCarriageReturnsKeepTheirReading) {
    const struct { const char* what; const char* text; const char* want; } cases[] = {
        {"every line ends in '\\r'", "[A]\ra=1\r[SET]\rWidth=5\r[B]\rb=1",
         "[A]\ra=1\r[SET]\rWidth=1\r\nExt=0\r\n[B]\rb=1"},
        {"'\\r' lines before '\\n' ones", "[SET]\rx=1\r\n[B]\nb=1\n", "[SET]\rWidth=1\r\nExt=0\r\n[B]\nb=1\n"},
        {"the last line ends in '\\r'", "[B]\rb=1\r", "[B]\rb=1\r[SET]\r\nWidth=1\r\nExt=0\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReplaceIniSection(c.text, "SET", "Width=1\r\nExt=0\r\n"), c.want) << c.what;
}
