#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "settings/layout_file.h"
#include "settings/settings_file.h"
#include "temp_folder.h"

namespace {
const char kDefaultText[] =
    "[SET]\r\nWidth=200\r\nHeight=200\r\nInitRule=1\r\nLineColor=255\r\nLineWidth=2\r\nDivNumV=-1\r\n"
    "DivNumH=-1\r\nDivWidthV=-1\r\nDivWidthH=-1\r\nFitRange=50\r\nAspectV=-1\r\nAspectH=-1\r\nTray=0\r\n"
    "Hotkey=0\r\nOuter=1\r\nExt=0\r\n";

bool SameRecord(const Settings& a, const Settings& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

struct Places {
    std::string read, write;
};
// Where the settings of programs in folder live, with perUser as the user's own folder.
Places SettingsFilesIn(const std::string& folder, const std::string& perUser = "") {
    const SettingsFiles f = FindSettingsFilesIn(Wide(folder), [&] { return Wide(perUser); });
    return {Narrow(f.read), Narrow(f.write)};
}

std::wstring Cut(std::wstring path) {
    wchar_t* r = CutToFolder(path.data());
    return r ? std::wstring(r) : L"(null) " + std::wstring(path.c_str());
}

// The names in a folder, in order, to see that no new file was left behind.
std::string Listing(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((folder + "*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do names.push_back(found.cFileName);
        while (FindNextFileA(h, &found));
        FindClose(h);
    }
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const std::string& name : names) listing += name + " ";
    return listing;
}
}  // namespace

TEST(SettingsFile, MissingFileSectionOrKeyGiveTheTable) {
    TempFolder dir;
    Settings s{};
    EXPECT_EQ(LoadSettingsFrom(Wide(dir.File("none.ini")).c_str(), s), 1);
    EXPECT_TRUE(SameRecord(s, DefaultSettings()));

    WriteTextFile(dir.File("other.ini"), "[OTHER]\r\nWidth=300\r\n");
    LoadSettingsFrom(Wide(dir.File("other.ini")).c_str(), s);
    EXPECT_TRUE(SameRecord(s, DefaultSettings()));

    WriteTextFile(dir.File("some.ini"), "[set]\r\nwidth=300\r\nOUTER=0\r\n");  // case is not significant
    LoadSettingsFrom(Wide(dir.File("some.ini")).c_str(), s);
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
    EXPECT_EQ(SaveSettingsTo(Wide(path).c_str(), DefaultSettings()), 1);
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
    ASSERT_EQ(SaveSettingsTo(Wide(path).c_str(), s), 1);
    const std::string text = ReadTextFile(path);
    for (const char* line : {"Width=2147483648\r\n", "Height=4294967295\r\n", "InitRule=2147483652\r\n",
                             "LineColor=4294967295\r\n", "LineWidth=-2147483648\r\n", "DivNumV=-1234567890\r\n",
                             "FitRange=2147483647\r\n", "Ext=-32768\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    Settings back{};
    LoadSettingsFrom(Wide(path).c_str(), back);
    EXPECT_TRUE(SameRecord(back, s));
}

TEST(SettingsFile, TextThatIsNotANumberReadsAsZero) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    WriteTextFile(path, "[SET]\r\nLineWidth=abc\r\nDivNumV=x12\r\nHeight=12px\r\n");
    Settings s{};
    LoadSettingsFrom(Wide(path).c_str(), s);
    EXPECT_EQ(s.LineWidth, 0);
    EXPECT_EQ(s.DivNumV, 0);
    EXPECT_EQ(s.Height, 12);  // a leading number is read
}

TEST(SettingsFile, WriteReplacesOnlyItsSection) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    WriteTextFile(path, "[Before]\r\na=1\r\n[SET]\r\nWidth=640\r\nAddedByHand=7\r\n[After]\r\nb=2\r\n");
    Settings s{};
    LoadSettingsFrom(Wide(path).c_str(), s);
    ASSERT_EQ(SaveSettingsTo(Wide(path).c_str(), s), 1);
    const std::string text = ReadTextFile(path);
    EXPECT_NE(text.find("[Before]\r\na=1\r\n"), std::string::npos);
    EXPECT_NE(text.find("[After]\r\nb=2\r\n"), std::string::npos);
    EXPECT_NE(text.find("Width=640\r\n"), std::string::npos);
    EXPECT_EQ(text.find("AddedByHand"), std::string::npos);
    EXPECT_EQ(SaveSettingsTo(nullptr, s), 0);
}

TEST(CutToFolder, EndsAfterTheLastSeparator) {
    // "ソ" and "表" have a trail byte 0x5C in code page 932; wide, they are characters like any.
    EXPECT_EQ(Cut(L"C:\\ソフト表\\Tovrin.exe"), L"C:\\ソフト表\\");
    EXPECT_EQ(Cut(L"C:\\写真"), L"C:\\");
    EXPECT_EQ(Cut(L"C:/tools/ソフト/a.exe"), L"C:/tools/ソフト/");
    EXPECT_EQ(Cut(L"C:\\dir\\"), L"C:\\dir\\");
    EXPECT_EQ(Cut(L"Tovrin.exe"), L"(null) Tovrin.exe");
    EXPECT_EQ(Cut(L""), L"(null) ");
    EXPECT_EQ(CutToFolder(nullptr), nullptr);
}

TEST(SettingsPath, FolderOfTheExecutable) {
    EXPECT_EQ(ComposeProgramPath(L"C:\\ソフト表\\Tovrin.exe", L"pemoka.ini"), L"C:\\ソフト表\\pemoka.ini");
    EXPECT_EQ(ComposeProgramPath(L"Tovrin.exe", L"pemoka.ini"), L"Tovrin.exepemoka.ini");  // no separator: the whole text stays

    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    *std::wcsrchr(exe, L'\\') = L'\0';
    EXPECT_EQ(ProgramFilePath(L"pemoka.ini"), std::wstring(exe) + L"\\pemoka.ini");
    // The tests' folder can be written: the file beside them is read and written.
    const SettingsFiles own = FindSettingsFiles();
    EXPECT_EQ(own.read, std::wstring(exe) + L"\\pemoka.ini");
    EXPECT_EQ(own.write, own.read);
}

// A folder whose file's path is 259 characters keeps it there; from 260 on, where the profile
// functions reach no file, the user's own file is used.
TEST(SettingsPath, LongFoldersUseTheUsersOwnFileWhereTheirsCannotBeReached) {
    TempFolder dir, user;
    for (size_t length : {259u, 260u, 280u}) {
        const std::string file = "pemoka.ini";
        std::string folder = dir.path + std::string(length - dir.path.size() - file.size() - 1, 'd') + "\\";
        ASSERT_TRUE(CreateDirectoryW(LongPathForm(Wide(folder)).c_str(), nullptr)) << length;
        const std::string path = folder + file, want = length < MAX_PATH ? path : user.File("pemoka.ini");
        ASSERT_EQ(path.size(), length);
        const Places places = SettingsFilesIn(folder, user.path);
        EXPECT_EQ(places.write, want) << length;
        Settings s = DefaultSettings();
        s.Width = static_cast<int32_t>(length);
        ASSERT_EQ(SaveSettingsTo(Wide(places.write).c_str(), s, Wide(places.read).c_str()), 1) << length;
        Settings back{};
        LoadSettingsFrom(Wide(SettingsFilesIn(folder, user.path).read).c_str(), back);
        EXPECT_EQ(back.Width, static_cast<int32_t>(length));
    }
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
    EXPECT_EQ(SaveSettingsTo(Wide(path).c_str(), DefaultSettings()), 0);
    EXPECT_EQ(StoreLayoutSlot(Wide(path).c_str(), 1, slot), 0);
    CloseHandle(held);
    EXPECT_EQ(ReadTextFile(path), before);
    EXPECT_EQ(Listing(dir.path), ". .. pemoka.ini ") << "no file left from the refused swaps";

    // Read-only. Wine keeps the attribute as Unix permissions, which do not bind root.
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE) {
        EXPECT_EQ(SaveSettingsTo(Wide(path).c_str(), DefaultSettings()), 0);
        EXPECT_EQ(StoreLayoutSlot(Wide(path).c_str(), 2, slot), 0);
        EXPECT_EQ(ReadTextFile(path), before);
    } else {
        CloseHandle(probe);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // so that the folder can go

    EXPECT_EQ(SaveSettingsTo(Wide(dir.File("missing\\pemoka.ini")).c_str(), DefaultSettings()), 0);
    EXPECT_EQ(StoreLayoutSlot(Wide(dir.File("missing\\pemoka.ini")).c_str(), 1, slot), 0);
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
    ASSERT_EQ(SaveSettingsTo(Wide(path).c_str(), DefaultSettings()), 1);
    const LayoutSlot a{-1920, 35, 1080, 1350, 0x20, 7}, b{100, 200, 300, 200, 0x1, 0};
    EXPECT_EQ(StoreLayoutSlot(Wide(path).c_str(), 2, a), 1);
    EXPECT_EQ(StoreLayoutSlot(Wide(path).c_str(), 9, a), 1);
    EXPECT_EQ(StoreLayoutSlot(Wide(path).c_str(), 9, b), 1);  // stored again: its line replaced
    EXPECT_EQ(StoreLayoutSlot(Wide(path).c_str(), 0, b), 0);
    EXPECT_EQ(StoreLayoutSlot(Wide(path).c_str(), 10, b), 0);
    const std::string slots = "[LAYOUT]\r\n2=-1920,35,1080,1350,32,7\r\n9=100,200,300,200,1,0\r\n";
    EXPECT_EQ(ReadTextFile(path), kDefaultText + slots);
    for (int number = 0; number <= 10; ++number) {
        LayoutSlot read{};
        EXPECT_EQ(ReadLayoutSlot(Wide(path).c_str(), number, kOffered, read), number == 2 || number == 9) << number;
        if (number == 2 || number == 9) {
            EXPECT_EQ(read, number == 2 ? a : b);
        }
    }
    Settings s = DefaultSettings();
    s.Width = 640;
    ASSERT_EQ(SaveSettingsTo(Wide(path).c_str(), s), 1);
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
        EXPECT_EQ(ReadLayoutSlot(Wide(path).c_str(), number, kOffered, read), number == 1) << number;
    }
    LayoutSlot read{};
    EXPECT_EQ(ReadLayoutSlot(Wide(path).c_str(), 1, kOffered, read), 1);
    EXPECT_EQ(read, (LayoutSlot{10, 20, 300, 200, 1, 0}));
    EXPECT_EQ(ReadLayoutSlot(Wide(dir.File("none.ini")).c_str(), 1, kOffered, read), 0);
    EXPECT_EQ(ReadLayoutSlot(nullptr, 1, kOffered, read), 0);
}

namespace {


DWORD WINAPI LetGoAfterAMoment(void* held) {
    Sleep(100);
    return CloseHandle(static_cast<HANDLE>(held));
}

constexpr char kKeptLines[] =
    "; my settings\r\n[SET]\r\nWidth=640\r\n[LAYOUT]\r\n; slot one\r\n1=10,20,300,200,1,0\r\n\r\n[Mine]\r\nkept=1";

bool WriteHalf(HANDLE file, const char* bytes, DWORD size) {
    DWORD written = 0;
    WriteFile(file, bytes, size / 2, &written, nullptr);
    return false;  // the disk filled up
}
}  // namespace

TEST(SettingsPlace, BesideTheProgramsWheneverThatCanBeWritten) {
    TempFolder programs, user;
    const std::string file = programs.File("pemoka.ini"), userFile = user.File("pemoka.ini");
    // No file yet, then a file: beside the programs, and trying left nothing there.
    EXPECT_EQ(SettingsFilesIn(programs.path, user.path).write, file);
    WriteTextFile(file, kKeptLines);
    const Places beside = SettingsFilesIn(programs.path, user.path);
    EXPECT_EQ(beside.read, file);
    EXPECT_EQ(beside.write, file);
    // Held open by another program for a moment: still the place, whose write then tries again.
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(SettingsFilesIn(programs.path, user.path).write, file);
    CloseHandle(held);

    // Read-only: read from where it is, written to the user's own file, which starts from it.
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    const Places readOnly = SettingsFilesIn(programs.path, user.path);
    EXPECT_EQ(readOnly.read, file);
    EXPECT_EQ(readOnly.write, userFile);
    Settings s = DefaultSettings();
    s.Width = 800;
    ASSERT_EQ(SaveSettingsTo(Wide(readOnly.write).c_str(), s, Wide(readOnly.read).c_str()), 1);
    const std::string written = ReadTextFile(userFile);
    EXPECT_NE(written.find("Width=800\r\n"), std::string::npos);
    EXPECT_NE(written.find("[LAYOUT]\r\n; slot one\r\n1=10,20,300,200,1,0\r\n\r\n[Mine]\r\nkept=1"), std::string::npos) << written;
    EXPECT_EQ(ReadTextFile(file), kKeptLines);
    // From then on the user's own file is read too.
    const Places later = SettingsFilesIn(programs.path, user.path);
    EXPECT_EQ(later.read, userFile);
    EXPECT_EQ(later.write, userFile);
    // No user's folder to be had: the folder's file, whose write fails and is said.
    EXPECT_EQ(SettingsFilesIn(programs.path).write, file);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);

    // A folder that went away while the programs ran.
    const std::string gone = programs.path + "gone\\";
    const Places vanished = SettingsFilesIn(gone, user.path);
    EXPECT_EQ(vanished.read, userFile);
    EXPECT_EQ(vanished.write, userFile);
    EXPECT_EQ(Listing(programs.path), ". .. pemoka.ini ");
}

TEST(WholeFileWrite, AWriteCutShortLeavesTheOldFileAndNothingElse) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    WriteTextFile(path, kKeptLines);
    const std::string listing = Listing(dir.path);
    Settings s = DefaultSettings();
    s.Width = 999;
    EXPECT_EQ(ReplaceSettingsFile(Wide(path).c_str(), nullptr, [](std::string_view) { return std::string(600, 'x'); }, WriteHalf), 0);
    EXPECT_EQ(ReadTextFile(path), kKeptLines);
    EXPECT_EQ(Listing(dir.path), listing);
    // Nor does a file far too large for settings get half read and written back.
    const std::string huge = "[SET]\r\n" + std::string(17u << 20, ';');
    WriteTextFile(path, huge);
    EXPECT_EQ(SaveSettingsTo(Wide(path).c_str(), s), 0);
    EXPECT_EQ(ReadTextFile(path).size(), huge.size());
    EXPECT_EQ(Listing(dir.path), listing);
}

// Both programs write their settings with SaveSettingsTo; the overlay's layouts with
// StoreLayoutSlot. Each keeps what the other owns and what a person added.
TEST(WholeFileWrite, EveryWriterKeepsTheLinesItDoesNotOwn) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    WriteTextFile(path, kKeptLines);
    ASSERT_EQ(SaveSettingsTo(Wide(path).c_str(), DefaultSettings()), 1);
    ASSERT_EQ(StoreLayoutSlot(Wide(path).c_str(), 2, LayoutSlot{5, 6, 70, 80, 0x2, 1}), 1);
    EXPECT_EQ(ReadTextFile(path), std::string("; my settings\r\n") + kDefaultText +
                                      "[LAYOUT]\r\n; slot one\r\n1=10,20,300,200,1,0\r\n2=5,6,70,80,2,1\r\n\r\n"
                                      "[Mine]\r\nkept=1");
    // A file a person saved as UTF-16 stays UTF-16.
    const std::wstring unicode = L"\xFEFF[SET]\r\nWidth=300\r\n[Mine]\r\nname=写真\r\n";
    WriteTextFile(path, std::string(reinterpret_cast<const char*>(unicode.data()), unicode.size() * 2));
    Settings s{};
    LoadSettingsFrom(Wide(path).c_str(), s);
    EXPECT_EQ(s.Width, 300);
    ASSERT_EQ(SaveSettingsTo(Wide(path).c_str(), s), 1);
    const std::string text = ReadTextFile(path);
    const std::wstring back(reinterpret_cast<const wchar_t*>(text.data()), text.size() / 2);
    EXPECT_EQ(back.substr(0, 19), L"\xFEFF[SET]\r\nWidth=300\r\n");
    EXPECT_NE(back.find(L"[Mine]\r\nname=写真\r\n"), std::wstring::npos);
}

TEST(WholeFileWrite, TheSwapWaitsForAReaderThatHoldsTheFileAMoment) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    WriteTextFile(path, kKeptLines);
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HANDLE letGo = CreateThread(nullptr, 0, LetGoAfterAMoment, held, 0, nullptr);
    ASSERT_NE(letGo, nullptr);
    Settings s = DefaultSettings();
    s.Width = 700;
    EXPECT_EQ(SaveSettingsTo(Wide(path).c_str(), s), 1);
    WaitForSingleObject(letGo, INFINITE);
    CloseHandle(letGo);
    EXPECT_NE(ReadTextFile(path).find("Width=700\r\n"), std::string::npos);
    EXPECT_EQ(Listing(dir.path), ". .. pemoka.ini ");
}
