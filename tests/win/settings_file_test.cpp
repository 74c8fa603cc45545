#include <gtest/gtest.h>

#include <cstring>
#include <string>

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

TEST(SettingsFile, AFileThatCannotBeWrittenIsReportedAndKept) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    const std::string before = "[SET]\r\nWidth=640\r\n";
    WriteTextFile(path, before);
    // Open in another program that lets others read it, but not write.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(SaveSettingsTo(path.c_str(), DefaultSettings()), 0);
    CloseHandle(held);
    EXPECT_EQ(ReadTextFile(path), before);

    // Read-only. Wine keeps the attribute as Unix permissions, which do not bind root.
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE) {
        EXPECT_EQ(SaveSettingsTo(path.c_str(), DefaultSettings()), 0);
        EXPECT_EQ(ReadTextFile(path), before);
    } else {
        CloseHandle(probe);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // so that the folder can go

    EXPECT_EQ(SaveSettingsTo(dir.File("missing\\pemoka.ini").c_str(), DefaultSettings()), 0);
    EXPECT_FALSE(FileExists(dir.File("missing")));
}
