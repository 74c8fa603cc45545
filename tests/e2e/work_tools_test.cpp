// The work tools of a running overlay (Ext 0x1000): the lock, the size dialog and label, and
// captures as PNG and to the clipboard, with nothing of the overlay in them.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "../win/png_reader.h"
#include "../win/shell_icon.h"
#include "overlay/menus/tray.h"
#include "overlay/windows/size_label.h"
#include "overlay_harness.h"
#include "settings/shared_names.h"

namespace {
const std::string kTools = Ini("Ext=4096\r\nWidth=240\r\nHeight=180\r\n");

bool Locked(const Overlay& o) { return (GetWindowLongA(o.frame, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; }
bool HasTrayIcon(HWND frame) { return ShellHoldsIcon(frame, kTrayIconId); }

// Ctrl with a letter, as a person presses it: Ctrl stays down until the key has done what it
// must, since the overlay reads the modifiers as they are when it handles the key.
bool CtrlKey(WORD letter, const std::function<bool()>& done) {
    const bool ok = Key(VK_CONTROL, true) && Tap(letter) && WaitUntil(done);
    return Key(VK_CONTROL, false) && ok;
}

void EmptyTheClipboard() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    CloseClipboard();
}

// A window of the test's own under the frame that counts the left presses it gets.
int g_presses = 0;
LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONDOWN) ++g_presses;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// Saves through the save dialog under the given name; true once the file is there.
bool SaveAs(const Overlay& o, const char* name) {
    HWND dialog = o.WaitForWindow("キャプチャーの保存");
    if (!dialog) return false;
    for (int box : {0x47C, 0x480}) SetDlgItemTextA(dialog, box, name);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return WaitUntil([&] { return !IsWindow(dialog) && IsWindowVisible(o.frame); });
}

// Pixel (x, y from the top) of a 32-bit bottom-up bitmap file.
const uint8_t* BmpPixel(const std::string& file, int w, int h, int x, int y) {
    return reinterpret_cast<const uint8_t*>(file.data()) + 54 + 4u * (w * (h - 1 - y) + x);
}

int RedPixels(const uint8_t* bgr, size_t count, size_t step) {
    int red = 0;
    for (size_t i = 0; i < count; ++i, bgr += step) red += IsRed(RGB(bgr[2], bgr[1], bgr[0]));
    return red;
}
}  // namespace

// With Ext 0 the keys and commands of the tools do what they did before: nothing.
TEST(WorkTools, NothingWithoutTheirBit) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Width=240\r\nHeight=180\r\n")));
    EmptyTheClipboard();
    ASSERT_TRUE(o.Focus());
    for (WPARAM id : {32793, 32794, 32795}) PostMessageA(o.frame, WM_COMMAND, id, 0);
    // Ctrl+Right after the letters: once it has resized, they have been handled with Ctrl down.
    const RECT f = o.FrameRect();
    ASSERT_TRUE(Key(VK_CONTROL, true));
    for (WORD key : {WORD{'S'}, WORD{'C'}, WORD{'L'}, WORD{VK_RIGHT}}) ASSERT_TRUE(Tap(key));
    EXPECT_TRUE(o.SettlesAt({f.left, f.top, f.right + 2, f.bottom}));
    ASSERT_TRUE(Key(VK_CONTROL, false));
    EXPECT_FALSE(Locked(o));
    EXPECT_EQ(FindProcessWindow(o.process.dwProcessId, "#32770"), nullptr) << "no dialog";
    EXPECT_FALSE(IsWindowVisible(FindProcessWindow(o.process.dwProcessId, kSizeLabelClass)));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
    ASSERT_TRUE(o.Close());
}

// A real click on a guide line of a locked frame reaches the window beneath; a click on the icon
// unlocks, and the icon goes with the lock when Tray is not 1.
TEST(WorkTools, TheLockPassesClicksThroughAndTheIconUnlocks) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = "pemoka_test_counting";
    RegisterClassA(&wc);
    HWND beneath = CreateWindowExA(WS_EX_NOACTIVATE, wc.lpszClassName, nullptr, WS_POPUP | WS_VISIBLE, 0, 0,
                                   GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                   wc.hInstance, nullptr);
    Overlay o;
    ASSERT_TRUE(o.Start(kTools));
    ASSERT_TRUE(o.Focus());
    ASSERT_TRUE(CtrlKey('L', [&] { return Locked(o) && !IsWindowVisible(o.back); }));
    EXPECT_TRUE(WaitUntil([&] { return HasTrayIcon(o.frame); })) << "the way back";
    const POINT c = o.ClientOrigin();
    ASSERT_TRUE(WaitUntil([&] { return IsRed(o.ClientPixel(79, 40)); }));  // the left third of 238
    g_presses = 0;
    ASSERT_TRUE(PointerTo(c.x + 79, c.y + 40));
    ASSERT_TRUE(LeftButton(true) && LeftButton(false));
    EXPECT_TRUE(WaitUntil([&] { return g_presses > 0; })) << "the press went through the guide";
    EXPECT_TRUE(Locked(o));
    // The lock survives the border switch, the back-pane switch and the editor's reload.
    const LONG style = GetWindowLongA(o.frame, GWL_STYLE);
    PostMessageA(o.frame, WM_COMMAND, 32792, 0);
    PostMessageA(o.frame, kSettingsChangedMessage, 0, 0);
    PostMessageA(o.frame, WM_COMMAND, 32791, 0);
    ASSERT_TRUE(WaitUntil([&] { return GetWindowLongA(o.frame, GWL_STYLE) != style; }));
    EXPECT_TRUE(Locked(o));
    EXPECT_FALSE(IsWindowVisible(o.back));
    PostMessageA(o.frame, kTrayMessage, kTrayIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return !Locked(o) && IsWindowVisible(o.back); }));
    EXPECT_TRUE(WaitUntil([&] { return !HasTrayIcon(o.frame); }));
    EXPECT_TRUE(o.SettlesAt(o.FrameRect()));
    ASSERT_TRUE(o.Close());
    DestroyWindow(beneath);
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

// The size dialog gives the frame exactly the size typed at the same corner, and the label says
// it for a moment.
TEST(WorkTools, TheSizeDialogGivesTheTypedSize) {
    Overlay o;
    ASSERT_TRUE(o.Start(kTools));
    ASSERT_TRUE(o.MoveTo(60, 50));
    HWND dialog = OpenSizeDialog(o);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetDlgItemInt(dialog, 40004, nullptr, FALSE), 240u);
    EXPECT_EQ(GetDlgItemInt(dialog, 40005, nullptr, FALSE), 180u);
    TypeSize(dialog, "800", "600");
    EXPECT_TRUE(o.SettlesAt({60, 50, 860, 650}));
    HWND label = nullptr;  // made at its first showing
    EXPECT_TRUE(WaitUntil([&] {
        label = FindProcessWindow(o.process.dwProcessId, kSizeLabelClass);
        return IsWindowVisible(label);
    }));
    RECT l{};
    GetWindowRect(label, &l);
    EXPECT_EQ(l.left, 60);
    EXPECT_GE(l.top, 650);
    // Its window text is what it shows, for an accessibility tool to read.
    wchar_t text[32] = L"";
    GetWindowTextW(label, text, 32);
    EXPECT_TRUE(std::wstring(text) == L"800 × 600");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(label); })) << "it goes after a second";
    ASSERT_TRUE(o.Close());
}

// Ctrl+C puts the frame's area on the clipboard as a bitmap and a PNG, with no guide in it; a
// PNG saved with Ctrl+S holds the pixels of a BMP of the same area.
TEST(WorkTools, ClipboardAndPngHoldTheAreaWithoutTheOverlay) {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(o.Start(kTools));
    ASSERT_TRUE(WaitUntil([&] { return IsRed(o.ClientPixel(79, 40)); }));
    const RECT f = o.FrameRect();
    const int w = f.right - f.left, h = f.bottom - f.top;
    EmptyTheClipboard();
    ASSERT_TRUE(o.Focus());
    const UINT pngFormat = RegisterClipboardFormatA("PNG");
    ASSERT_TRUE(CtrlKey('C', [&] { return IsClipboardFormatAvailable(CF_DIB) && IsClipboardFormatAvailable(pngFormat); }));
    ASSERT_TRUE(WaitUntil([&] { return OpenClipboard(nullptr) != 0; }));
    if (const auto* info = static_cast<const BITMAPINFOHEADER*>(GlobalLock(GetClipboardData(CF_DIB)))) {
        EXPECT_EQ(info->biWidth, w);
        EXPECT_EQ(info->biHeight, h);
        EXPECT_EQ(info->biBitCount, 24);
        const int stride = (3 * w + 3) & ~3;
        const auto* rows = reinterpret_cast<const uint8_t*>(info + 1);
        int red = 0;
        for (int y = 0; y < h; ++y) red += RedPixels(rows + stride * y, w, 3);
        EXPECT_EQ(red, 0) << "no guide in the picture";
        GlobalUnlock(GetClipboardData(CF_DIB));
    } else {
        ADD_FAILURE() << "no bitmap to read";
    }
    CloseClipboard();
    EXPECT_TRUE(o.SettlesAt(f)) << "the set is back where it was";

    ASSERT_TRUE(o.Focus());
    const auto saveDialog = [&] { return FindProcessWindow(o.process.dwProcessId, "#32770") != nullptr; };
    ASSERT_TRUE(CtrlKey('S', saveDialog));
    ASSERT_TRUE(SaveAs(o, "a"));  // the first type, PNG
    ASSERT_TRUE(o.Focus());
    ASSERT_TRUE(CtrlKey('S', saveDialog));
    ASSERT_TRUE(SaveAs(o, "b.bmp"));
    const std::string png = ReadTextFile(o.dir + "a.png"), bmp = ReadTextFile(o.dir + "b.bmp");
    ASSERT_EQ(bmp.size(), 54u + 4u * w * h);
    UINT pw = 0, ph = 0;
    const std::vector<uint8_t> pixels = DecodePng(std::vector<uint8_t>(png.begin(), png.end()), pw, ph);
    ASSERT_EQ(pixels.size(), 3u * w * h);
    int differ = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) differ += std::memcmp(&pixels[3u * (y * w + x)], BmpPixel(bmp, w, h, x, y), 3) != 0;
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(RedPixels(pixels.data(), pixels.size() / 3, 3), 0);
    ASSERT_TRUE(o.Close());
}

// A layout stored with a real Ctrl+Shift+2 comes back with a real Ctrl+2, the frame where it was
// and the guide it had, after a move, a resize and another guide; the file keeps it.
TEST(WorkTools, ALayoutStoredWithCtrlShiftComesBackWithCtrl) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Ext=4096\r\nWidth=240\r\nHeight=180\r\nInitRule=2147483648\r\n")));
    ASSERT_TRUE(o.MoveTo(70, 60));
    PostMessageA(o.frame, WM_COMMAND, 0x20, 0);  // the golden section
    ASSERT_TRUE(o.Focus());
    // Ctrl+Shift+Right after the 2: once it has resized by 8, the store has been done. (Reading
    // the file meanwhile could keep the overlay from writing it.)
    ASSERT_TRUE(Key(VK_SHIFT, true));
    const bool stored = Key(VK_CONTROL, true) && Tap('2') && Tap(VK_RIGHT) && o.SettlesAt({70, 60, 318, 240});
    ASSERT_TRUE(Key(VK_CONTROL, false) && Key(VK_SHIFT, false));
    ASSERT_TRUE(stored);
    ASSERT_NE(o.SettingsText().find("[LAYOUT]\r\n2=70,60,240,180,32,0"), std::string::npos) << o.SettingsText();
    PostMessageA(o.frame, WM_COMMAND, 0x1, 0);  // the thirds
    ASSERT_TRUE(o.MoveTo(300, 200));
    ASSERT_TRUE(CtrlKey(VK_RIGHT, [&] { return o.SettlesAt({300, 200, 550, 380}, 200); }));
    ASSERT_TRUE(CtrlKey('2', [&] { return o.SettlesAt({70, 60, 310, 240}, 200); }));
    // During a box of the overlay the menu's recall is carried out like a ratio preset.
    ASSERT_TRUE(o.MoveTo(400, 300));
    PostMessageA(o.frame, WM_COMMAND, 32790, 0);
    HWND box = o.WaitForWindow("ペモカ");
    ASSERT_NE(box, nullptr);
    PostMessageA(o.frame, WM_COMMAND, 32802, 0);
    EXPECT_TRUE(o.SettlesAt({70, 60, 310, 240}));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    ASSERT_TRUE(o.Close());
    EXPECT_EQ(IniValue(o.SettingsText(), "InitRule"), std::to_string(0x80000020u)) << "the guide came back";
    EXPECT_NE(o.SettingsText().find("[LAYOUT]\r\n2=70,60,240,180,32,0\r\n"), std::string::npos);
}
