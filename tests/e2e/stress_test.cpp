// A running overlay under thousands of random messages, and settings files and bitmaps that
// cannot be written.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

#include "overlay_harness.h"
#include "settings/settings_record.h"
#include "settings/shared_names.h"

namespace {
// Cancels every visible dialog, message box and menu of the process lParam names.
BOOL CALLBACK CancelPopup(HWND hwnd, LPARAM pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char cls[16] = "";
    if (owner != static_cast<DWORD>(pid) || !IsWindowVisible(hwnd) || !GetClassNameA(hwnd, cls, sizeof cls)) return TRUE;
    if (lstrcmpA(cls, "#32770") == 0) PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    if (lstrcmpA(cls, "#32768") == 0) PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    return TRUE;
}

// Whether text holds the 16 keys of section "SET", each a decimal number that fits 32 bits.
::testing::AssertionResult HoldsEveryKey(const std::string& text) {
    for (const SettingsKey& key : kSettingsKeys) {
        const std::string value = IniValue(text, key.name);
        const size_t digits = value.find_first_not_of('-') == 1 ? 1 : 0;
        char* end = nullptr;
        errno = 0;
        const long long n = std::strtoll(value.c_str(), &end, 10);
        if (value.size() <= digits || value.find_first_not_of("0123456789", digits) != std::string::npos ||
            errno || n < INT32_MIN || n > UINT32_MAX)
            return ::testing::AssertionFailure() << key.name << "=" << value << " in\n" << text;
    }
    return ::testing::AssertionSuccess();
}

enum Kind { kCommand, kFrameKey, kBackKey, kLeftDown, kMove, kLeftUp, kRightUp, kSettingsChanged, kKinds };
const char* const kKindNames[kKinds] = {"command", "key to the frame", "key to the back pane", "left down",
                                        "move", "left up", "right up", "settings changed"};

struct Event {
    Kind kind;
    HWND to;
    UINT msg;
    WPARAM wp;
    LPARAM lp;
};

// Random events for the overlay. Commands are any identifier but exit and the editor, a third
// of them the named ones; the fit and the capture pause half a second each, so most of their
// draws are drawn again.
class Storm {
public:
    explicit Storm(const Overlay& o) : o_(o) {}
    Event Next() {
        const Kind kind = static_cast<Kind>(std::discrete_distribution<int>({30, 12, 12, 8, 16, 8, 4, 5})(rng_));
        const HWND target = Pick(2) ? o_.frame : o_.back;
        const LPARAM at = MAKELPARAM(Pick(300) - 20, Pick(300) - 20);
        switch (kind) {
            case kCommand: return {kind, o_.frame, WM_COMMAND, Command(), 0};
            case kFrameKey:
            case kBackKey: {
                static constexpr WORD kKeys[] = {VK_ESCAPE, 'B', 'N', 'F', 'E', VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN};
                const WPARAM key = Pick(2) ? kKeys[Pick(std::size(kKeys))] : Pick(256);
                return {kind, kind == kFrameKey ? o_.frame : o_.back, static_cast<UINT>(Pick(4) ? WM_KEYDOWN : WM_KEYUP), key, 0};
            }
            case kLeftDown: return {kind, target, WM_LBUTTONDOWN, MK_LBUTTON, at};
            case kMove: return {kind, target, WM_MOUSEMOVE, static_cast<WPARAM>(Pick(2) ? MK_LBUTTON : 0), at};
            case kLeftUp: return {kind, target, WM_LBUTTONUP, 0, at};
            case kRightUp: return {kind, target, WM_RBUTTONUP, 0, at};
            default: return {kind, o_.frame, kSettingsChangedMessage, 0, 0};
        }
    }

private:
    unsigned Pick(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(rng_); }
    WPARAM Command() {
        static constexpr unsigned kNamed[] = {0x80, 0x100, 32768, 32770, 32771, 32772, 32773, 32774, 32775, 32776,
                                              32777, 32778, 32779, 32780, 32781, 32782, 32783, 32784, 32785, 32786,
                                              32787, 32788, 32790, 32791, 32792};
        for (;;) {
            const unsigned id = Pick(3) ? Pick(65536) : kNamed[Pick(std::size(kNamed))];
            if (id == 32769 || id == 32789) continue;       // exit, the editor
            if ((id == 32771 || id == 32772) && Pick(8)) continue;
            return id;
        }
    }
    const Overlay& o_;
    std::mt19937 rng_{20261209};
};
}  // namespace

TEST(Storm, FiveThousandRandomEventsLeaveTheOverlayAnsweringAndItsFileWhole) {
    constexpr int kEvents = 5000;
    Overlay o;
    // Tray=1: Esc hides to the notification area, and the show command brings it back.
    ASSERT_TRUE(o.Start(Ini("Tray=1\r\n")));
    Storm storm(o);
    int counts[kKinds] = {};
    std::atomic<bool> done{false};
    std::atomic<int> sent{0};
    Event last{};
    // Each event is sent and answered before the next; whatever it opens is cancelled meanwhile
    // from this thread. A handler that hangs, or a process that has gone, fails the send.
    std::thread sender([&] {
        for (; sent < kEvents; ++sent) {
            last = storm.Next();
            ++counts[last.kind];
            DWORD_PTR result;
            if (!SendMessageTimeoutA(last.to, last.msg, last.wp, last.lp, SMTO_NORMAL, kWaitMs, &result)) break;
        }
        done = true;
    });
    const bool finished = WaitUntil([&] {
        EnumWindows(CancelPopup, o.process.dwProcessId);
        return done.load();
    }, 240000);
    if (!finished) EndProcess(o.process);  // lets the send give up
    sender.join();
    ASSERT_EQ(sent, kEvents) << "no answer to " << kKindNames[last.kind] << " " << std::hex << last.msg << " "
                             << last.wp << " " << last.lp;
    for (int kind = 0; kind < kKinds; ++kind) EXPECT_GT(counts[kind], 0) << kKindNames[kind];
    // Whatever the storm placed, the X server stacks the frame above the back pane, or a screen
    // without a compositor would show the back pane's white square over the guides.
    PostMessageA(o.frame, WM_COMMAND, 32788, 0);  // shown, in case the storm ended hidden
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(o.frame) && IsWindowVisible(o.back); }));
    EXPECT_TRUE(WaitUntil([&] { return XStackedAbove(o.frame, o.back); }));
    ASSERT_TRUE(o.Close());
    EXPECT_TRUE(HoldsEveryKey(o.SettingsText()));
}

// A settings file that cannot be written keeps its bytes; the close writes the user's own file.
TEST(FailedWrites, AnUnwritableSettingsFileKeepsItsBytesAndTheOverlayCloses) {
    for (const bool folder : {false, true}) {
        PerUserSettings user;
        Overlay o;
        const std::string path = o.SettingsPath();
        const std::string before = Ini("Width=320\r\n");
        HANDLE held = INVALID_HANDLE_VALUE;
        if (folder) {
            ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
        } else {
            // Read-only, and open in another program that lets others only read it.
            WriteTextFile(path, before);
            ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
            held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }
        ASSERT_TRUE(o.Start()) << folder;
        const RECT f = o.FrameRect();
        EXPECT_EQ(f.right - f.left, folder ? 200 : 320);  // the file still reads
        ASSERT_TRUE(o.Close()) << folder;
        DWORD code = 1;
        EXPECT_TRUE(GetExitCodeProcess(o.process.hProcess, &code) && code == 0) << folder;
        EXPECT_EQ(IniValue(ReadTextFile(user.path), "Width"), folder ? "200" : "320") << folder;
        if (folder) {
            EXPECT_EQ(GetFileAttributesA(path.c_str()), DWORD{FILE_ATTRIBUTE_DIRECTORY});
            RemoveDirectoryA(path.c_str());
        } else {
            CloseHandle(held);
            EXPECT_EQ(ReadTextFile(path), before);
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // so that the folder can go
        }
    }
}

// A box names the file that was not saved; once it is answered the windows are back.
TEST(FailedWrites, ABitmapThatCannotBeCreatedLeavesNoFileAndBringsTheWindowsBack) {
    Overlay o;
    ASSERT_TRUE(o.Start());
    const RECT f = o.FrameRect();
    // A bitmap open in another program that lets nobody write, as the overwrite is confirmed.
    const std::string held = o.dir + "held.bmp";
    WriteTextFile(held, "not a bitmap");
    const HANDLE holding = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holding, INVALID_HANDLE_VALUE);
    for (const char* name : {"missing\\shot", "held"}) {
        PostMessageA(o.frame, WM_COMMAND, 32772, 0);
        HWND dialog = o.WaitForWindow("キャプチャーの保存");
        ASSERT_NE(dialog, nullptr) << name;
        for (int box : {0x47C, 0x480}) SetDlgItemTextA(dialog, box, name);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        if (std::string(name) == "held") {
            HWND ask = nullptr;
            ASSERT_TRUE(WaitUntil([&] { return (ask = FindProcessWindow(o.process.dwProcessId, "#32770")) && ask != dialog && IsWindowVisible(ask); }));
            PostMessageA(ask, WM_COMMAND, IDYES, 0);
        }
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); })) << name;
        const HWND box = o.WaitForWindow("ペモカ");
        ASSERT_NE(box, nullptr) << name;
        EXPECT_NE(BoxText(box).find(std::string(name) + ".bmp"), std::string::npos) << BoxText(box);
        EXPECT_FALSE(IsWindowVisible(o.frame)) << name;
        ASSERT_TRUE(CloseBox(box));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(o.frame) && IsWindowVisible(o.back); })) << name;
        EXPECT_TRUE(o.SettlesAt(f)) << name;
    }
    ASSERT_TRUE(o.Close());
    CloseHandle(holding);
    EXPECT_EQ(ReadTextFile(held), "not a bitmap");
    EXPECT_FALSE(FileExists(o.dir + "missing"));
    EXPECT_FALSE(FileExists(o.dir + "shot.bmp"));
}
