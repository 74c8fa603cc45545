// Where the settings live and how they are written, seen from outside: a folder named outside
// the system's code page, a folder nothing can be written into, and a frame whose screen went.
#include <gtest/gtest.h>

#include <string>

#include "overlay_harness.h"
#include "pemoka_version.h"

namespace {
constexpr char kEnglish[] = "en_US.UTF-8";
constexpr int kWidthEdit = 1026, kSettingsPath = 1049;

std::string Text(HWND hwnd) {
    char text[512] = "";
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// The editor's dialog of the process, once it shows.
HWND EditorDialog(DWORD pid, const char* caption) {
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FindProcessWindow(pid, "#32770", caption)) && IsWindowVisible(dialog); });
    return dialog;
}

// The dialog of a Quillet.exe that the overlay started under the English locale.
HWND EnglishEditor() {
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FindWindowA("#32770", "Pemoka Settings Ver=" PEMOKA_VERSION_SHOWN)) && IsWindowVisible(dialog); });
    return dialog;
}

RECT Centred(const RECT& area, int w, int h) {
    const int x = area.left + (area.right - area.left - w) / 2, y = area.top + (area.bottom - area.top - h) / 2;
    return {x, y, x + w, y + h};
}
}  // namespace

// On an English system, whose code page has no "写真": the file is read and written there, a
// capture to "日本.png" is written, and "設定" starts the editor from there, which reads it.
TEST(SettingsPlace, AFolderNamedOutsideTheCodePageWorksAsAnyOther) {
    Overlay o;
    o.dir = o.base.path + "写真\\";
    ASSERT_TRUE(CreateDirectoryA(o.dir.c_str(), nullptr));
    ASSERT_TRUE(o.StartUnderLocale(Ini("Width=320\r\nHeight=240\r\nInitRule=2147483648\r\n[Mine]\r\nkept=1\r\n"), kEnglish));
    EXPECT_EQ(o.FrameRect().right - o.FrameRect().left, 320);

    PostMessageA(o.frame, WM_COMMAND, 32772, 0);
    HWND save = o.WaitForWindow("Save Screenshot");
    ASSERT_NE(save, nullptr);
    for (int box : {0x47C, 0x480}) SetDlgItemTextA(save, box, "日本.png");
    PostMessageA(save, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return ReadTextFile(o.dir + "日本.png").size() == 54u + 4u * 320 * 240; }));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(save) && IsWindowVisible(o.frame); }));

    ASSERT_TRUE(CopyFileA((ProgramFolder() + "Quillet.exe").c_str(), (o.dir + "Quillet.exe").c_str(), FALSE));
    PostMessageA(o.frame, WM_COMMAND, 32789, 0);
    HWND editor = EnglishEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Text(GetDlgItem(editor, kWidthEdit)), "320");
    EXPECT_EQ(Text(GetDlgItem(editor, kSettingsPath)), o.SettingsPath());
    PostMessageA(editor, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));

    PostMessageA(o.frame, WM_COMMAND, 0x2, 0);  // the diagonals, remembered at the close
    ASSERT_TRUE(o.Close());
    const std::string text = o.SettingsText();
    EXPECT_EQ(IniValue(text, "InitRule"), "2147483650") << text;
    EXPECT_NE(text.find("[Mine]\r\nkept=1\r\n"), std::string::npos) << text;
}

// Nothing can be written beside the programs: the overlay's close and the editor's OK land in
// the user's own file, which starts from the folder's and is read at the next start. The
// folder's file stays as it was.
TEST(SettingsPlace, AFolderThatCannotBeWrittenKeepsTheSettingsInTheUsersOwnFile) {
    PerUserSettings user;
    ASSERT_FALSE(user.path.empty());
    Overlay o;
    const std::string folderFile = Ini("Width=320\r\nHeight=240\r\n") + "[LAYOUT]\r\n; mine\r\n1=10,20,300,200,1,0\r\n";
    WriteTextFile(o.SettingsPath(), folderFile);
    for (const char* program : {"Tovrin.exe", "Quillet.exe"})
        ASSERT_TRUE(CopyFileA((ProgramFolder() + program).c_str(), (o.dir + program).c_str(), FALSE));
    UnwritableFolder locked(o.dir);
    if (!locked.made) GTEST_SKIP() << "chattr cannot make " << o.dir << " unwritable on this file system";

    ASSERT_TRUE(o.Start());
    EXPECT_EQ(o.FrameRect().right - o.FrameRect().left, 320);
    ASSERT_TRUE(o.Close());
    EXPECT_EQ(o.SettingsText(), folderFile);
    std::string text = ReadTextFile(user.path);
    EXPECT_EQ(IniValue(text, "Width"), "320") << text;
    EXPECT_NE(text.find("[LAYOUT]\r\n; mine\r\n1=10,20,300,200,1,0\r\n"), std::string::npos) << text;

    PROCESS_INFORMATION editor{};
    ASSERT_TRUE(StartProgram(o.dir, "Quillet.exe", editor));
    HWND dialog = EditorDialog(editor.dwProcessId, "ペモカの設定 Ver=" PEMOKA_VERSION_SHOWN);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(GetDlgItem(dialog, kSettingsPath)), user.path);
    SendMessageA(GetDlgItem(dialog, kWidthEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("360"));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(WaitForProcessExit(editor));
    EndProcess(editor);
    text = ReadTextFile(user.path);
    EXPECT_EQ(IniValue(text, "Width"), "360") << text;

    Overlay again;
    again.dir = o.dir;
    ASSERT_TRUE(again.Start());
    EXPECT_EQ(again.FrameRect().right - again.FrameRect().left, 360);
    ASSERT_TRUE(again.Close());
    EXPECT_EQ(o.SettingsText(), folderFile);
}

// The monitor under the frame went away: at the display change the set comes back whole onto
// the screen, also while a box of the overlay is open.
TEST(Displays, AFrameOnNoScreenComesBackAtTheDisplayChange) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Width=300\r\nHeight=200\r\n")));
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const RECT back = Centred(work, 300, 200);

    ASSERT_TRUE(o.MoveTo(work.right + 400, 100));
    PostMessageA(o.frame, WM_DISPLAYCHANGE, 32, MAKELPARAM(work.right, work.bottom));
    EXPECT_TRUE(o.SettlesAt(back));

    // A frame partly on the screen stays.
    ASSERT_TRUE(o.MoveTo(work.right - 100, 100));
    PostMessageA(o.frame, WM_DISPLAYCHANGE, 32, MAKELPARAM(work.right, work.bottom));
    PostMessageA(o.frame, WM_COMMAND, 32790, 0);  // the version box: its loop has handled the change
    HWND box = o.WaitForWindow("ペモカ");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(o.SettlesAt({work.right - 100, 100, work.right + 200, 300}));

    ASSERT_TRUE(o.MoveTo(-2000, -900));
    PostMessageA(o.frame, WM_DISPLAYCHANGE, 32, MAKELPARAM(work.right, work.bottom));
    EXPECT_TRUE(o.SettlesAt(back));
    EXPECT_TRUE(IsWindowVisible(box));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    ASSERT_TRUE(o.Close());
}
