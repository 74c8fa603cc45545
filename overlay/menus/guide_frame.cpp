#include "guide_frame.h"

#include "../../settings/settings_file.h"
#include "../guides/guide_table.h"
#include "../guides/paint_guides.h"
#include "../resources/resource.h"
#include "../screen/capture.h"
#include "../screen/fit_frame.h"
#include "../screen/layouts.h"
#include "../windows/dimming.h"
#include "../windows/display_affinity.h"
#include "../windows/frame_drag.h"
#include "../windows/message_filter.h"
#include "../windows/navigation_grip.h"
#include "../windows/own_guides.h"
#include "../windows/size_label.h"
#include "../windows/window_set.h"
#include "../windows/work_rules.h"
#include "dispatch_command.h"
#include "input_rules.h"
#include "popup_menus.h"
#include "tray.h"
#include "tray_events.h"

namespace {
// Whether a modifier was down when the key message being handled was queued. The key may be
// handled well after it was pressed (a pause before a screen copy, a busy machine): what the
// keyboard holds now may be another press's modifiers.
bool HeldWhenQueued(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

KeysDown g_keysDown;

void PaintFrame(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    PaintGuides(dc, client.right, client.bottom);
    EndPaint(hwnd, &ps);
}

void ReloadSettings(HWND hwnd) {
    LoadSettings();
    LoadLayouts(static_cast<uint32_t>(g_settings.Ext));
    ApplyInitialGuide();
    RegisterGlobalHotKey();
    // A lock whose way back went with the new settings ends: without the work tools nothing
    // would unlock it, and a lock kept by the hot key alone loses it with the hot key.
    if (!(static_cast<uint32_t>(g_settings.Ext) & kWorkToolsExt) || (!g_tray.iconShown && !g_tray.hotKeyHeld))
        UnlockFrame();
    ApplyDisplayAffinity(static_cast<uint32_t>(g_settings.Ext));
    // The language may have changed: the frame's name and the icon's tip follow it.
    NameFrame();
    RefreshTrayTip();
    LoadOwnLines();
    ApplyDimmingSettings();
    InvalidateRect(hwnd, nullptr, TRUE);
}

// The frame's placement changed: the back pane and the dimming follow, unless the program
// places the set itself.
void FramePlaced(HWND hwnd, const WINDOWPOS& pos) {
    FollowPlacement(hwnd, pos);
    if (!g_windows.frameSync) FollowFrameWithDimming();
}

void RightClick() {
    if (!InModalLoop()) ShowContextMenu();
}

// Shift+F10 and the Menu key (WM_CONTEXTMENU without a pointer position, -1) open the menu at
// the frame's top-left corner; a right click has opened it at the pointer already.
void KeyboardContextMenu(LPARAM at) {
    if (LOWORD(at) != 0xFFFF || HIWORD(at) != 0xFFFF || InModalLoop()) return;
    RECT r{};
    GetWindowRect(g_windows.frame, &r);
    const POINT corner{r.left, r.top};
    ShowContextMenu(&corner);
}

// The icon's callback: a left press, Enter or Space brings the window set back, a right click,
// Shift+F10 or the Menu key opens the tray menu. The icon itself stays while a loop runs; it
// only starts nothing. While the frame is locked, a click on the icon and the hot key unlock it
// instead.
void TrayCallback(WPARAM wp, LPARAM lp) {
    if (InModalLoop()) return;
    const TrayDecision tray = DecideTrayEvent(wp, static_cast<uint64_t>(lp), kTrayIconId);
    if (tray.request == TrayRequest::bringBack) {
        g_windows.locked ? UnlockFrame() : RestoreWindowSet();
    } else if (tray.request == TrayRequest::menu) {
        const POINT anchor{tray.x, tray.y};
        ShowTrayMenu(tray.atAnchor ? &anchor : nullptr);
    }
}

void HotKey(WPARAM id) {
    if (id == kHotKeyId && !InModalLoop()) g_windows.locked ? UnlockFrame() : RestoreWindowSet();
}

// With the work tools the size shows beside the frame whenever it changes.
void FrameResized(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
    if (static_cast<uint32_t>(g_settings.Ext) & kWorkToolsExt) ShowSizeLabel();
}

// What every way out keeps: the guide to start with, the settings file with the layouts it did
// not take before, and no icon or hot key left behind in the shell.
void KeepWhatWasSet() {
    g_settings.InitRule = InitRuleAtClose(g_settings.InitRule, g_guides.activeMask);
    SaveSettings();
    WriteUnwrittenLayouts();
    SaveOwnLines();
    RemoveTrayIcon();
    ReleaseGlobalHotKey();
}

// Windows sends no WM_CLOSE when the session ends and may end the process as soon as this
// returns: what the close sequence keeps is kept now, even during a dialog or a menu.
void EndSession(WPARAM ending) {
    if (ending) KeepWhatWasSet();
}

// A shell started anew has none of the icons: the resident's or the lock's comes back.
void OtherMessage(UINT msg) {
    const UINT taskbarCreated = TaskbarCreatedMessage();
    if (taskbarCreated && msg == taskbarCreated) ShowTrayIconAgain();
}

LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            g_windows.frame = hwnd;
            AllowMessagesFromBelow(hwnd);
            ApplyInitialGuide();
            RegisterGlobalHotKey();
            break;
        case WM_DESTROY: PostQuitMessage(0); break;
        case WM_PAINT: PaintFrame(hwnd); return 0;
        case WM_CLOSE: CloseOverlay(); return 0;
        case WM_ENDSESSION: EndSession(wp); return 0;
        case WM_WINDOWPOSCHANGED: FramePlaced(hwnd, *reinterpret_cast<WINDOWPOS*>(lp)); break;
        // The guides depend on the size: whatever resized the frame, nothing of the old lines
        // may stay.
        case WM_SIZE: FrameResized(hwnd); break;
        // The frame's size is in pixels on every monitor: a new scale does not resize it.
        case WM_DPICHANGED: return 0;
        case WM_DISPLAYCHANGE: BringSetOntoScreen(); break;
        case WM_KEYDOWN: HandleOverlayKey(static_cast<unsigned>(wp), lp); return 0;
        case WM_KEYUP: g_keysDown.Release(static_cast<unsigned>(wp)); return 0;
        // A press on a guide line: the drag belongs to the back pane.
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: SendMessageA(g_windows.back, msg, wp, lp); break;
        case WM_RBUTTONUP: RightClick(); break;
        case WM_CONTEXTMENU: KeyboardContextMenu(lp); return 0;
        // In a high-contrast theme the border is drawn in the theme's colour, after whatever
        // the system drew.
        case WM_NCPAINT:
            if (PaintOwnBorder(hwnd)) return 0;
            break;
        case WM_NCACTIVATE: {
            const LRESULT drawn = DefWindowProcA(hwnd, msg, wp, lp);
            PaintOwnBorder(hwnd);
            return drawn;
        }
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE: FollowThemeColours(); break;
        case WM_COMMAND:
            if (HIWORD(wp) == 0) DispatchCommand(LOWORD(wp));
            break;
        case kSettingsChangedMessage: ReloadSettings(hwnd); break;
        case WM_HOTKEY: HotKey(wp); break;
        case kTrayMessage: TrayCallback(wp, lp); break;
        default: OtherMessage(msg); break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}
}  // namespace

int CreateOverlay(HINSTANCE instance) {
    g_keysDown = {};  // a new window set has seen no key go down
    return CreateOverlayWindows(instance, FrameWndProc);
}

void HandleOverlayKey(unsigned virtualKey, LPARAM keyData) {
    const bool repeat = g_keysDown.Press(virtualKey, (keyData & (1 << 30)) != 0);
    if (InModalLoop()) return;
    const bool shift = HeldWhenQueued(VK_SHIFT), ctrl = HeldWhenQueued(VK_CONTROL);
    const KeyPress press{virtualKey, shift, ctrl, HeldWhenQueued(VK_MENU), repeat};
    const auto ext = static_cast<uint32_t>(g_settings.Ext);
    // The extensions' keys go before every other.
    const KeyDecision added = DecideExtensionKey(press, ext, g_ownGuides.selected.axis >= 0);
    const KeyDecision tool = added.action != KeyAction::none ? added : DecideWorkToolKey(press, ext);
    const KeyDecision key = tool.action != KeyAction::none ? tool : DecideOverlayKey(virtualKey, shift, ctrl, g_settings.Tray);
    switch (key.action) {
        case KeyAction::none: return;
        case KeyAction::close: RequestClose(); return;
        case KeyAction::hideToTray: HideToTray(); return;
        case KeyAction::nextGuide:
        case KeyAction::previousGuide:
            CycleGuide(key.action == KeyAction::nextGuide ? 1 : 0);
            g_guides.variant = 0;
            break;
        case KeyAction::nextVariant: ++g_guides.variant; break;
        case KeyAction::fit: FitFrameToContent(); return;  // at once, without the menu's pause
        case KeyAction::move: MoveWindowSet(key.dx, key.dy); return;
        case KeyAction::resize: ResizeFrameByKey(key.dx, key.dy); return;
        case KeyAction::capture: CaptureFrameArea(); return;
        case KeyAction::copyToClipboard: CopyFrameAreaToClipboard(); return;
        case KeyAction::lock: ToggleFrameLock(); return;
        case KeyAction::storeLayout: StoreLayout(key.dx); return;
        case KeyAction::recallLayout: RecallLayout(key.dx); return;
        case KeyAction::addVerticalLine: AddOwnLineAt(kOwnVertical, Pointer()); return;
        case KeyAction::addHorizontalLine: AddOwnLineAt(kOwnHorizontal, Pointer()); return;
        case KeyAction::selectNextLine: SelectNextOwnLine(); return;
        case KeyAction::moveLine: MoveSelectedOwnLine(key.dx, key.dy); return;
        case KeyAction::deleteLine: DeleteSelectedOwnLine(); return;
        case KeyAction::clearLineSelection: ClearOwnLineSelection(); return;
        case KeyAction::switchDimming: SwitchDimming(); return;
        case KeyAction::switchCaptureExclusion: SwitchCaptureExclusion(); return;
    }
    InvalidateRect(g_windows.frame, nullptr, TRUE);
}

void CloseOverlay() {
    if (InModalLoop()) {
        g_windows.closePending = 1;
        return;
    }
    KeepWhatWasSet();
    g_windows.closing = 1;
    if (g_windows.grip) SendMessageA(g_windows.grip, WM_CLOSE, 0, 0);
    SendMessageA(g_windows.back, WM_CLOSE, 0, 0);
    DestroyWindow(g_windows.frame);
}

int RunOverlay(HINSTANCE instance, int showCommand) {
    g_windows.instance = instance;
    LoadSettings();

    if (!CreateOverlay(instance)) return 0;
    LoadOwnLines();  // drawn with the first paint
    ApplyDisplayAffinity(static_cast<uint32_t>(g_settings.Ext));  // before the set is seen
    CentreWindowSet(showCommand);
    // What the first paint does not need comes after it: the grip, hidden until it is called,
    // and the stored layouts. Both are there before the first message is handled.
    CreateNavigationGrip(g_windows.frame);
    LoadLayouts(static_cast<uint32_t>(g_settings.Ext));
    ApplyDimmingSettings();

    // The resources hold no accelerator table; the handle stays null and claims nothing.
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(msg.hwnd, accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
