#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/layout_file.h"
#include "settings/settings_file.h"
#include "temp_folder.h"

namespace {
const char kDefaultText[] =
    "[SET]\r\nWidth=200\r\nHeight=200\r\nInitRule=1\r\nLineColor=255\r\nLineWidth=2\r\nDivNumV=-1\r\n"
    "DivNumH=-1\r\nDivWidthV=-1\r\nDivWidthH=-1\r\nFitRange=50\r\nAspectV=-1\r\nAspectH=-1\r\nTray=0\r\n"
    "Hotkey=0\r\nOuter=1\r\nExt=0\r\n";

bool SameRecord(const Settings& a, const Settings& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string Cut(std::string path) {
    char buf[MAX_PATH];
    std::strcpy(buf, path.c_str());
    char* r = CutToFolder(buf);
    return r ? std::string(r) : "(null) " + std::string(buf);
}
}  // namespace

TEST(SettingsFile, MissingFileSectionOrKeyGiveTheTable) {
    TempFolder dir;
    Settings s{};
    EXPECT_EQ(LoadSettingsFrom(dir.File("none.ini").c_str(), s), 1);
    EXPECT_TRUE(SameRecord(s, DefaultSettings()));

    WriteTextFile(dir.File("other.ini"), "[OTHER]\r\nWidth=300\r\n");
    LoadSettingsFrom(dir.File("other.ini").c_str(), s);
    EXPECT_TRUE(SameRecord(s, DefaultSettings()));

    WriteTextFile(dir.File("some.ini"), "[set]\r\nwidth=300\r\nOUTER=0\r\n");  // case is not significant
    LoadSettingsFrom(dir.File("some.ini").c_str(), s);
    Settings expected = DefaultSettings();
    expected.Width = 300;
    expected.Outer = 0;
    EXPECT_TRUE(SameRecord(s, expected));

    EXPECT_EQ(LoadSettingsFrom(nullptr, s), 1);
    EXPECT_TRUE(SameRecord(s, DefaultSettings()));
}

TEST(SettingsFile, DefaultWriteIsExactlyTheSection) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    EXPECT_EQ(SaveSettingsTo(path.c_str(), DefaultSettings()), 1);
    EXPECT_EQ(ReadTextFile(path), kDefaultText);
}

TEST(SettingsFile, BitPatternsSurviveTheRoundTrip) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    Settings s = DefaultSettings();
    s.Width = static_cast<int32_t>(2147483648u);
    s.Height = -1;  // 4294967295
    s.InitRule = static_cast<int32_t>(0x80000004u);
    s.LineColor = static_cast<int32_t>(0xFFFFFFFFu);
    s.LineWidth = INT32_MIN;       // 11 characters
    s.DivNumV = -1234567890;
    s.FitRange = INT32_MAX;
    s.Ext = -32768;
    ASSERT_EQ(SaveSettingsTo(path.c_str(), s), 1);
    const std::string text = ReadTextFile(path);
    for (const char* line : {"Width=2147483648\r\n", "Height=4294967295\r\n", "InitRule=2147483652\r\n",
                             "LineColor=4294967295\r\n", "LineWidth=-2147483648\r\n", "DivNumV=-1234567890\r\n",
                             "FitRange=2147483647\r\n", "Ext=-32768\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    Settings back{};
    LoadSettingsFrom(path.c_str(), back);
    EXPECT_TRUE(SameRecord(back, s));
}

TEST(SettingsFile, TextThatIsNotANumberReadsAsZero) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    WriteTextFile(path, "[SET]\r\nLineWidth=abc\r\nDivNumV=x12\r\nHeight=12px\r\n");
    Settings s{};
    LoadSettingsFrom(path.c_str(), s);
    EXPECT_EQ(s.LineWidth, 0);
    EXPECT_EQ(s.DivNumV, 0);
    EXPECT_EQ(s.Height, 12);  // a leading number is read
}

TEST(SettingsFile, WriteReplacesOnlyItsSection) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    WriteTextFile(path, "[Before]\r\na=1\r\n[SET]\r\nWidth=640\r\nAddedByHand=7\r\n[After]\r\nb=2\r\n");
    Settings s{};
    LoadSettingsFrom(path.c_str(), s);
    ASSERT_EQ(SaveSettingsTo(path.c_str(), s), 1);
    const std::string text = ReadTextFile(path);
    EXPECT_NE(text.find("[Before]\r\na=1\r\n"), std::string::npos);
    EXPECT_NE(text.find("[After]\r\nb=2\r\n"), std::string::npos);
    EXPECT_NE(text.find("Width=640\r\n"), std::string::npos);
    EXPECT_EQ(text.find("AddedByHand"), std::string::npos);
    EXPECT_EQ(SaveSettingsTo(nullptr, s), 0);
}

TEST(CutToFolder, StepsOverDoubleByteCharacters) {
    ASSERT_EQ(GetACP(), 932u) << "the tests run under the Japanese code page";
    // "ソ" is 0x83 0x5C and "表" is 0x95 0x5C: their trail bytes look like backslashes.
    EXPECT_EQ(Cut("C:\\ソフト表\\Tovrin.exe"), "C:\\ソフト表\\");
    EXPECT_EQ(Cut("C:\\ソフト表"), "C:\\");
    EXPECT_EQ(Cut("C:/tools/ソフト/a.exe"), "C:/tools/ソフト/");
    EXPECT_EQ(Cut("C:\\dir\\"), "C:\\dir\\");
    EXPECT_EQ(Cut("C:\\dir\\\x83"), "C:\\dir\\");  // a lead byte right before the end
    EXPECT_EQ(Cut("Tovrin.exe"), "(null) Tovrin.exe");
    EXPECT_EQ(Cut("表"), "(null) 表");
    EXPECT_EQ(Cut(""), "(null) ");
    EXPECT_EQ(CutToFolder(nullptr), nullptr);
}

TEST(SettingsPath, FolderOfTheExecutable) {
    char path[MAX_PATH];
    ASSERT_EQ(ComposeSettingsPath("C:\\ソフト表\\Tovrin.exe", path), 1);
    EXPECT_STREQ(path, "C:\\ソフト表\\pemoka.ini");
    ASSERT_EQ(ComposeSettingsPath("Tovrin.exe", path), 1);  // no separator: the whole text stays
    EXPECT_STREQ(path, "Tovrin.exepemoka.ini");

    char own[MAX_PATH];
    ASSERT_EQ(SettingsFilePath(own), 1);
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    *std::strrchr(exe, '\\') = '\0';
    EXPECT_EQ(std::string(own), std::string(exe) + "\\pemoka.ini");
}

TEST(SettingsPath, OverlongFolderGivesNoPath) {
    char path[MAX_PATH];
    std::string folder = "C:\\" + std::string(245, 'a') + "\\";  // 249 bytes: 259 with the name
    ASSERT_EQ(folder.size(), 249u);
    EXPECT_EQ(ComposeSettingsPath((folder + "Tovrin.exe").c_str(), path), 1);
    EXPECT_EQ(std::strlen(path), 259u);
    EXPECT_EQ(ComposeSettingsPath((folder + "Quillet.exe").c_str(), path), 1);  // 260 bytes: only the folder counts
    EXPECT_EQ(std::strlen(path), 259u);
    const std::string longer = "C:\\" + std::string(246, 'a') + "\\";  // 250 bytes: one too many
    EXPECT_EQ(ComposeSettingsPath((longer + "Tovrin.exe").c_str(), path), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(ComposeSettingsPath(std::string(400, 'c').c_str(), path), 0);
}

// The settings and a layout slot alike.
TEST(SettingsFile, AFileThatCannotBeWrittenIsReportedAndKept) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    const std::string before = "[SET]\r\nWidth=640\r\n[LAYOUT]\r\n1=10,20,300,200,1,0\r\n";
    const LayoutSlot slot{0, 0, 400, 300, 0x2, 1};
    WriteTextFile(path, before);
    // Open in another program that lets others read it, but not write.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(SaveSettingsTo(path.c_str(), DefaultSettings()), 0);
    EXPECT_EQ(StoreLayoutSlot(path.c_str(), 1, slot), 0);
    CloseHandle(held);
    EXPECT_EQ(ReadTextFile(path), before);

    // Read-only. Wine keeps the attribute as Unix permissions, which do not bind root.
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE) {
        EXPECT_EQ(SaveSettingsTo(path.c_str(), DefaultSettings()), 0);
        EXPECT_EQ(StoreLayoutSlot(path.c_str(), 2, slot), 0);
        EXPECT_EQ(ReadTextFile(path), before);
    } else {
        CloseHandle(probe);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // so that the folder can go

    EXPECT_EQ(SaveSettingsTo(dir.File("missing\\pemoka.ini").c_str(), DefaultSettings()), 0);
    EXPECT_EQ(StoreLayoutSlot(dir.File("missing\\pemoka.ini").c_str(), 1, slot), 0);
    EXPECT_FALSE(FileExists(dir.File("missing")));
}

namespace {
constexpr uint32_t kOffered = 0x3BF;  // the guides offered with Ext 0
}  // namespace

// Slots go into section "LAYOUT" one key at a time; section "SET" keeps its text, and the
// settings' own write, the editor's OK included, leaves the slots.
TEST(LayoutFile, SlotsRoundTripBesideSet) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    ASSERT_EQ(SaveSettingsTo(path.c_str(), DefaultSettings()), 1);
    const LayoutSlot a{-1920, 35, 1080, 1350, 0x20, 7}, b{100, 200, 300, 200, 0x1, 0};
    EXPECT_EQ(StoreLayoutSlot(path.c_str(), 2, a), 1);
    EXPECT_EQ(StoreLayoutSlot(path.c_str(), 9, a), 1);
    EXPECT_EQ(StoreLayoutSlot(path.c_str(), 9, b), 1);  // stored again: its line replaced
    EXPECT_EQ(StoreLayoutSlot(path.c_str(), 0, b), 0);
    EXPECT_EQ(StoreLayoutSlot(path.c_str(), 10, b), 0);
    const std::string slots = "[LAYOUT]\r\n2=-1920,35,1080,1350,32,7\r\n9=100,200,300,200,1,0\r\n";
    EXPECT_EQ(ReadTextFile(path), kDefaultText + slots);
    for (int number = 0; number <= 10; ++number) {
        LayoutSlot read{};
        EXPECT_EQ(ReadLayoutSlot(path.c_str(), number, kOffered, read), number == 2 || number == 9) << number;
        if (number == 2 || number == 9) {
            EXPECT_EQ(read, number == 2 ? a : b);
        }
    }
    Settings s = DefaultSettings();
    s.Width = 640;
    ASSERT_EQ(SaveSettingsTo(path.c_str(), s), 1);
    const std::string text = ReadTextFile(path);
    EXPECT_NE(text.find("Width=640\r\n"), std::string::npos);
    EXPECT_NE(text.find(slots), std::string::npos) << text;
}

TEST(LayoutFile, JunkOtherKeysAndASecondSectionAreNoSlots) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    const std::string before =
        "[layout]\r\n0=10,20,300,200,1,0\r\n1=10,20,300,200,1,0\r\n2=junk\r\n3=10,20,39,200,1,0\r\n"
        "4=10,20,300,200,64,0\r\n10=10,20,300,200,1,0\r\n5=10,20,300,200,1," + std::string(200, '0') + "x\r\n"
        "[SET]\r\nWidth=300\r\n[LAYOUT]\r\n6=10,20,300,200,1,0\r\n";
    WriteTextFile(path, before);
    for (int number = 1; number <= kLayoutSlotCount; ++number) {
        LayoutSlot read{};
        // Only the first section of the name counts, as the platform reads it.
        EXPECT_EQ(ReadLayoutSlot(path.c_str(), number, kOffered, read), number == 1) << number;
    }
    LayoutSlot read{};
    EXPECT_EQ(ReadLayoutSlot(path.c_str(), 1, kOffered, read), 1);
    EXPECT_EQ(read, (LayoutSlot{10, 20, 300, 200, 1, 0}));
    EXPECT_EQ(ReadLayoutSlot(dir.File("none.ini").c_str(), 1, kOffered, read), 0);
    EXPECT_EQ(ReadLayoutSlot(nullptr, 1, kOffered, read), 0);
}
