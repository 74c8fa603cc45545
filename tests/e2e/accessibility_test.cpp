// What a person meets who reads English, works from the keyboard or relies on what the system
// tells other programs: key names as the keyboard gives them, the version block that Explorer
// and Task Manager read, the frame's name, the icon's tip after the language changes, and the
// context menu opened from the keyboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "overlay/menus/tray.h"
#include "overlay/windows/system_function.h"
#include "overlay_harness.h"

#include <commctrl.h>
#include "pemoka_version.h"
#include "settings/shared_names.h"

namespace {
constexpr char kEnglishLocale[] = "en_US.UTF-8";
constexpr int kKeyEdit = 1023, kCtrl = 1012;

std::wstring WindowText(HWND hwnd) {
    wchar_t text[256] = L"";
    SendMessageW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

// The editor's dialog of a process, once it shows.
HWND WaitForEditor(const PROCESS_INFORMATION& process) {
    HWND dialog = nullptr;
    WaitUntil([&] {
        dialog = FindProcessWindow(process.dwProcessId, "#32770");
        return dialog && IsWindowVisible(dialog);
    });
    return dialog;
}

// A string of a program's version block, through the version functions, as Explorer reads it.
std::wstring VersionString(const std::string& program, const wchar_t* block, const wchar_t* name) {
    auto* size = SystemFunction<DWORD WINAPI(LPCSTR, LPDWORD)>("version.dll", "GetFileVersionInfoSizeA");
    auto* info = SystemFunction<BOOL WINAPI(LPCSTR, DWORD, DWORD, LPVOID)>("version.dll", "GetFileVersionInfoA");
    auto* query = SystemFunction<BOOL WINAPI(LPCVOID, LPCWSTR, LPVOID*, PUINT)>("version.dll", "VerQueryValueW");
    if (!size || !info || !query) return L"(no version functions)";
    DWORD ignored = 0;
    std::vector<char> data(size(program.c_str(), &ignored));
    if (data.empty() || !info(program.c_str(), 0, static_cast<DWORD>(data.size()), data.data())) return L"(no block)";
    void* value = nullptr;
    UINT length = 0;
    if (!block) {  // the translation list, as "lang:codepage" pairs
        if (!query(data.data(), L"\\VarFileInfo\\Translation", &value, &length)) return L"(none)";
        std::wstring pairs;
        for (UINT i = 0; i + 4 <= length; i += 4) {
            const WORD* pair = reinterpret_cast<const WORD*>(static_cast<char*>(value) + i);
            pairs += std::to_wstring(pair[0]) + L":" + std::to_wstring(pair[1]) + L" ";
        }
        return pairs;
    }
    const std::wstring path = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
    if (!query(data.data(), path.c_str(), &value, &length) || !length) return L"(none)";
    return static_cast<const wchar_t*>(value);
}

// The tips the shell shows for the icons of the notification area, read from its tooltips.
std::vector<std::wstring> TrayTips() {
    std::vector<std::wstring> tips;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        char cls[64] = "";
        if (!GetClassNameA(w, cls, sizeof cls) || lstrcmpiA(cls, TOOLTIPS_CLASSA) != 0) continue;
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        HANDLE shell = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (!shell) continue;
        constexpr size_t kRoom = 256;
        char* remote = static_cast<char*>(
            VirtualAllocEx(shell, nullptr, sizeof(TTTOOLINFOW) + kRoom * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
        if (remote) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.lpszText = reinterpret_cast<LPWSTR>(remote + sizeof tool);
            wchar_t text[kRoom] = L"";
            if (WriteProcessMemory(shell, remote, &tool, sizeof tool, nullptr) &&
                WriteProcessMemory(shell, remote + sizeof tool, text, sizeof text, nullptr) &&
                SendMessageW(w, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(remote)) &&
                ReadProcessMemory(shell, remote + sizeof tool, text, sizeof text - sizeof(wchar_t), nullptr))
                tips.push_back(text);
            VirtualFreeEx(shell, remote, 0, MEM_RELEASE);
        }
        CloseHandle(shell);
    }
    return tips;
}

bool ShowsTip(const std::wstring& tip) {
    return WaitUntil([&] {
        for (const std::wstring& shown : TrayTips())
            if (shown == tip) return true;
        return false;
    });
}
}  // namespace

// Ctrl+; typed into the key field of the English editor shows ";" as the keyboard names it, not
// the key's code read as a character, and so it does when the editor opens again.
TEST(EnglishSystem, TheKeyFieldNamesAKeyAsTheKeyboardDoes) {
    TempFolder dir;
    WriteTextFile(dir.File("pemoka.ini"), Ini("Hotkey=0\r\n"));
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(StartProgramUnderLocale(dir.path, "Quillet.exe", kEnglishLocale, process));
    HWND dialog = WaitForEditor(process);
    ASSERT_NE(dialog, nullptr);
    const HWND key = GetDlgItem(dialog, kKeyEdit);
    EXPECT_EQ(WindowText(key), L"");
    ASSERT_TRUE(FocusOn(dialog));
    RECT r{};
    GetWindowRect(key, &r);
    ASSERT_TRUE(PointerTo((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    ASSERT_TRUE(LeftButton(true));
    ASSERT_TRUE(LeftButton(false));
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(WaitUntil([&] { return GetGUIThreadInfo(process.dwThreadId, &info) && info.hwndFocus == key; }));
    ASSERT_TRUE(Key(VK_CONTROL, true));
    ASSERT_TRUE(Tap(VK_OEM_1));
    ASSERT_TRUE(Key(VK_CONTROL, false));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(key) == L";"; })) << "shown: " << WindowText(key).size();
    SendMessageA(GetDlgItem(dialog, kCtrl), BM_SETCHECK, BST_CHECKED, 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(WaitForProcessExit(process));
    EndProcess(process);
    EXPECT_EQ(IniValue(ReadTextFile(dir.File("pemoka.ini")), "Hotkey"), "698");  // Ctrl (0x200) + 0xBA

    ASSERT_TRUE(StartProgramUnderLocale(dir.path, "Quillet.exe", kEnglishLocale, process));
    dialog = WaitForEditor(process);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, kKeyEdit)), L";");
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(WaitForProcessExit(process));
    EndProcess(process);
}

// Both programs carry an English block beside the Japanese one, and both in the translation
// list: an English Windows shows "Pemoka composition overlay" in Task Manager.
TEST(EnglishSystem, TheVersionBlockSpeaksEnglishToo) {
    const struct { const char* program; const wchar_t *english, *japanese; } cases[] = {
        {"Tovrin.exe", L"Pemoka composition overlay", L"ペモカ 構図オーバーレイ"},
        {"Quillet.exe", L"Pemoka settings", L"ペモカ 設定"},
    };
    for (const auto& c : cases) {
        const std::string path = ProgramFolder() + c.program;
        EXPECT_EQ(VersionString(path, nullptr, nullptr), L"1041:932 1033:1200 ") << c.program;
        EXPECT_EQ(VersionString(path, L"040904b0", L"FileDescription"), c.english) << c.program;
        EXPECT_EQ(VersionString(path, L"040904b0", L"ProductName"), L"Pemoka") << c.program;
        EXPECT_EQ(VersionString(path, L"040904b0", L"ProductVersion"), L"" PEMOKA_VERSION_SHOWN) << c.program;
        EXPECT_EQ(VersionString(path, L"041103a4", L"FileDescription"), c.japanese) << c.program;
    }
}

// The frame's name and the icon's tip follow the language the editor switches to.
TEST(Keyboard, TheFrameAndItsIconSpeakTheNewLanguage) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Tray=1\r\nHotkey=0\r\nExt=512\r\n")));
    EXPECT_EQ(WindowText(o.frame), L"ペモカ");
    PostMessageA(o.frame, WM_KEYDOWN, VK_ESCAPE, 0);  // hides to the icon
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(o.frame); }));
    EXPECT_TRUE(ShowsTip(L"ペモカ"));
    WriteTextFile(o.SettingsPath(), Ini("Tray=1\r\nHotkey=0\r\nExt=256\r\n"));
    SendMessageA(o.frame, kSettingsChangedMessage, 0, 0);
    EXPECT_EQ(WindowText(o.frame), L"Pemoka");
    EXPECT_TRUE(ShowsTip(L"Pemoka"));
    EXPECT_TRUE(o.Close());
}

// Shift+F10 and the Menu key at the frame open its context menu at the frame's top-left corner,
// as a right click does at the pointer.
TEST(Keyboard, ShiftF10AndTheMenuKeyOpenTheMenuAtTheFrame) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Width=300\r\nHeight=200\r\n")));
    for (const bool menuKey : {false, true}) {
        ASSERT_TRUE(o.Focus());
        if (menuKey) {
            ASSERT_TRUE(Tap(VK_APPS));
        } else {
            ASSERT_TRUE(Key(VK_SHIFT, true));
            ASSERT_TRUE(Tap(VK_F10));
            ASSERT_TRUE(Key(VK_SHIFT, false));
        }
        HWND menu = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (menu = FindProcessWindow(o.process.dwProcessId, "#32768")) && IsWindowVisible(menu); }))
            << (menuKey ? "the Menu key" : "Shift+F10");
        RECT m{}, f = o.FrameRect();
        GetWindowRect(menu, &m);
        EXPECT_TRUE(m.left == f.left && m.top == f.top) << m.left << "," << m.top << " for " << f.left << "," << f.top;
        MenuKeys(menu, {{VK_ESCAPE, 1}});
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(menu) || !IsWindowVisible(menu); }));
    }
    EXPECT_TRUE(o.Close());
}

// While one of the overlay's dialogs is open, the keyboard's ways to a menu start nothing: the
// frame's Shift+F10 and the icon's Enter, Space, Shift+F10 and Menu key, each answered at once
// (a menu opened under the dialog would hold the answer until it closed).
TEST(Keyboard, NoMenuOrRestoreWhileADialogIsOpen) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Tray=1\r\nHotkey=0\r\n")));
    PostMessageA(o.frame, WM_COMMAND, 0x80, 0);  // the count dialog
    const HWND dialog = o.WaitForWindow("等分割数の設定");
    ASSERT_NE(dialog, nullptr);
    const auto answered = [&](UINT msg, WPARAM wp, LPARAM lp) {
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(o.frame, msg, wp, lp, SMTO_NORMAL, 2000, &result) != 0;
    };
    const LPARAM icon = static_cast<LPARAM>(kTrayIconId) << 16;
    EXPECT_TRUE(answered(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(o.frame), -1)) << "Shift+F10 at the frame";
    EXPECT_TRUE(answered(kTrayMessage, 0, icon | 0x0401)) << "Enter on the icon";
    EXPECT_TRUE(answered(kTrayMessage, 0, icon | WM_CONTEXTMENU)) << "Shift+F10 on the icon";
    EXPECT_EQ(FindProcessWindow(o.process.dwProcessId, "#32768"), nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(o.Close());
}

// The icon answers the keyboard as the shell reports it (version 4): Enter or Space brings the
// frame back as a click does, Shift+F10 or the Menu key opens the icon's menu.
TEST(Keyboard, TheIconAnswersEnterAndTheMenuKey) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Tray=1\r\nHotkey=0\r\n")));
    const LPARAM icon = static_cast<LPARAM>(kTrayIconId) << 16;
    PostMessageA(o.frame, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(o.frame); }));
    PostMessageA(o.frame, kTrayMessage, MAKEWPARAM(1200, 1000), icon | 0x0401);  // NIN_KEYSELECT
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(o.frame) && IsWindowVisible(o.back); }));
    PostMessageA(o.frame, kTrayMessage, MAKEWPARAM(600, 500), icon | WM_CONTEXTMENU);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = FindProcessWindow(o.process.dwProcessId, "#32768")) && IsWindowVisible(menu); }));
    RECT m{};
    GetWindowRect(menu, &m);
    EXPECT_TRUE(m.left == 600 && m.top == 500) << "at the icon: " << m.left << "," << m.top;
    MenuKeys(menu, {{VK_ESCAPE, 1}});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(menu) || !IsWindowVisible(menu); }));
    EXPECT_TRUE(o.Close());
}
