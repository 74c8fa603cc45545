// The popup menus as built, read back item by item, and which commands end with the repaint.
#include <gtest/gtest.h>

#include <algorithm>

#include <windows.h>

#include <string>
#include <vector>

#include "overlay/guides/guide_table.h"
#include "overlay/menus/popup_menus.h"
#include "overlay/menus/tray.h"
#include "overlay/screen/layouts.h"
#include "overlay/windows/window_set.h"
#include "overlay/windows/system_function.h"
#include "shell_icon.h"

namespace {
struct MenuItem {
    std::string text;  // "-" for a separator, "> text" for a submenu
    unsigned id;
    unsigned state = 0;  // 0: enabled, unchecked, not default
    bool operator==(const MenuItem&) const = default;
};
void PrintTo(const MenuItem& m, std::ostream* os) { *os << '"' << m.text << "\" " << m.id << " " << m.state; }

// Every item with its kind and state; the first submenu's handle in submenu, the last one's in
// last.
std::vector<MenuItem> ReadMenu(HMENU menu, HMENU* submenu = nullptr, HMENU* last = nullptr) {
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            items.push_back({"-", info.wID, info.fState});
        } else if (info.hSubMenu) {
            items.push_back({std::string("> ") + text, 0, info.fState});
            if (submenu && !*submenu) *submenu = info.hSubMenu;
            if (last) *last = info.hSubMenu;
        } else {
            items.push_back({text, info.wID, info.fState});
        }
    }
    return items;
}
}  // namespace

TEST(Menus, ContextMenuFollowsExtAndTheBorder) {
    const std::vector<MenuItem> guides{{"三分割構図", 0x1},      {"二分割構図", 0x4},     {"二分割構図(縦)", 0x8},
                                       {"二分割構図(横)", 0x10}, {"等分割数ダイアログ", 0x80}, {"等分割幅ダイアログ", 0x100},
                                       {"対角線", 0x2},          {"黄金分割", 0x20},      {"ラバットメント", 0x200}};
    const std::vector<MenuItem> ratios{{"1:1", 32774},   {"4:3", 32775}, {"3:2", 32776},  {"7:5", 32777}, {"5:4", 32778},
                                       {"3:1", 32779},   {"16:9", 32780}, {"3:4", 32781}, {"2:3", 32782}, {"5:7", 32783},
                                       {"4:5", 32784},   {"1:3", 32785}, {"9:16", 32786}, {"カスタム", 32787}};
    const std::vector<MenuItem> golden{{"黄金比グリッド", 0x400}, {"黄金螺旋", 0x800}, {"黄金三角形", 0x1000},
                                       {"ダイナミックシンメトリー", 0x2000}};
    const std::vector<MenuItem> tools{{"キャプチャー保存\tCtrl+S", 32772}, {"クリップボードにコピー\tCtrl+C", 32795},
                                      {"サイズ指定...", 32794}, {"ロック(クリック透過)\tCtrl+L", 32793}};
    const std::vector<MenuItem> ownLines{{"縦ガイドを追加", 32796}, {"横ガイドを追加", 32797}, {"ガイドをすべて消す", 32798}};
    // The layouts: the empty slots greyed, a held one with its size and guide.
    std::vector<MenuItem> layouts;
    // Each with its number as the access key and the key that recalls it.
    for (unsigned n = 1; n <= 9; ++n) {
        const std::string number = std::to_string(n);
        layouts.push_back({"&" + number + ": (空き)\tCtrl+" + number, 32800 + n, MFS_GRAYED});
    }
    layouts[1] = {"&2: 1080 × 1350 黄金螺旋\tCtrl+2", 32802};
    g_layouts = {};
    g_layouts.slots[1] = {10, 20, 1080, 1350, 0x800, 3};
    g_layouts.held[1] = true;
    for (uint32_t ext : {0u, 0x8000u, 0x4000u, 0xC000u, 0x1000u, 0x1400u, 0x40u, 0x80u, 0x1FFFu, 0x2000u, 0x3FFFu, 0x7FFFu, 0xFFFFFFFFu}) {
        for (bool border : {true, false}) {
            std::vector<MenuItem> want = guides;
            if (ext & 0x8000) want.push_back({"レイルマン比率", 0x40});
            if (ext & 0x4000) want.insert(want.end(), golden.begin(), golden.end());
            if (ext & 0x2000) want.push_back({"セーフエリア", 0x4000});
            const std::vector<MenuItem> tail{{"-", 0}, {"フィット", 32771}, {"> アスペクト比", 0}, {"-", 0},
                                             {border ? "外枠無し" : "外枠有り", 32791}};
            want.insert(want.end(), tail.begin(), tail.end());
            // The own lines and the dimming in a submenu of their own, the dimming's item ticked
            // while it is on (here: with the border off).
            std::vector<MenuItem> guidesAndDimming;
            if (ext & 0x80) guidesAndDimming = ownLines;
            if ((ext & 0x80) && (ext & 0x40)) guidesAndDimming.push_back({"-", 0});
            if (ext & 0x40) guidesAndDimming.push_back({"周囲を暗く", 32799, border ? 0u : MFS_CHECKED});
            if (ext & 0xC0) want.push_back({"> 自分のガイド線と周囲", 0});
            want.push_back({"-", 0});
            if (ext & 0x1000) {
                want.insert(want.end(), tools.begin(), tools.end());
                want.push_back({"キャプチャーに写さない", 32800, (ext & 0x400) ? MFS_CHECKED : 0u});
                want.push_back({"> レイアウト", 0});
                want.push_back({"-", 0});
            }
            want.push_back({"終了", 32769});
            HMENU menu = BuildContextMenu(ext, border, !border), submenu = nullptr, last = nullptr;
            ASSERT_NE(menu, nullptr);
            EXPECT_EQ(ReadMenu(menu, &submenu, &last), want) << std::hex << ext << " border " << border;
            ASSERT_NE(submenu, nullptr);
            EXPECT_EQ(ReadMenu(submenu), ratios);
            if (ext & 0x1000) {
                EXPECT_EQ(ReadMenu(last), layouts);
            }
            const auto at = std::find(want.begin(), want.end(), MenuItem{"> 自分のガイド線と周囲", 0});
            if (at != want.end()) {
                EXPECT_EQ(ReadMenu(GetSubMenu(menu, static_cast<int>(at - want.begin()))), guidesAndDimming) << std::hex << ext;
            }
            EXPECT_TRUE(DestroyMenu(menu));
            EXPECT_FALSE(IsMenu(submenu));  // destroyed with its menu
        }
    }
    g_layouts = {};
}

// N from thirds visits the guide items of the menu, in the menu's order, and comes back.
TEST(Menus, TheCycleFollowsTheContextMenu) {
    for (int32_t ext : {0, 0x8000, 0x4000, 0xC000, 0x2000, 0xE000}) {
        HMENU menu = BuildContextMenu(static_cast<uint32_t>(ext), true);
        ASSERT_NE(menu, nullptr);
        std::vector<unsigned> items, cycle;
        for (const MenuItem& item : ReadMenu(menu)) {
            if (item.text == "-") break;
            items.push_back(item.id);
        }
        DestroyMenu(menu);
        g_settings.Ext = ext;
        g_guides = {1, 0};
        do {
            cycle.push_back(g_guides.activeMask);
            CycleGuide(1);
        } while (g_guides.activeMask != 1 && cycle.size() < 20);
        EXPECT_EQ(cycle, items) << std::hex << ext;
    }
    g_settings = DefaultSettings();
    g_guides = {1, 0};
}

TEST(Menus, TrayMenu) {
    for (const bool locked : {false, true}) {
        HMENU menu = BuildTrayMenu(locked);
        ASSERT_NE(menu, nullptr);
        std::vector<MenuItem> want{{"表示", 32788}, {"設定", 32789}, {"-", 0},          {"バージョン", 32790},
                                   {"終了", 32769}, {"-", 0},         {"キャンセル", 32770}};
        if (locked) want.insert(want.begin(), {{"ロック解除", 32793}, {"-", 0}});
        EXPECT_EQ(ReadMenu(menu), want) << locked;
        DestroyMenu(menu);
    }
}

// The tray, the save dialog, the dialogs' controls and the editor's start find their functions
// in the system folder at first use; what is not there gives null, never a wrong function.
TEST(Menus, SystemFunctionsAreFoundInTheSystemFolderOnly) {
    auto* notify = SystemFunction<decltype(Shell_NotifyIconA)>("shell32.dll", "Shell_NotifyIconA");
    ASSERT_NE(notify, nullptr);
    EXPECT_EQ(reinterpret_cast<void*>(notify),
              reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("shell32.dll"), "Shell_NotifyIconA")));
    EXPECT_EQ((SystemFunction<decltype(Shell_NotifyIconA)>("shell32.dll", "NoSuchFunction")), nullptr);
    EXPECT_EQ((SystemFunction<decltype(Shell_NotifyIconA)>("pemoka-no-such.dll", "Shell_NotifyIconA")), nullptr);
    EXPECT_EQ((SystemFunction<decltype(Shell_NotifyIconA)>(std::string(300, 'a').c_str(), "X")), nullptr);
}

// An icon that cannot be loaded is added all the same, without an image, and must go as well.
TEST(Menus, ATrayIconWithoutItsImageIsRemovedToo) {
    g_windows = {};
    g_windows.instance = GetModuleHandleA("kernel32.dll");  // holds no icon 108
    g_windows.frame = CreateWindowExA(0, "Static", nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(g_windows.frame, nullptr);
    HideToTray();
    const bool shown = ShellHoldsIcon(g_windows.frame, kTrayIconId);
    RemoveTrayIcon();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(ShellHoldsIcon(g_windows.frame, kTrayIconId));
    SetTrayIcon(nullptr, nullptr, NIM_DELETE);  // whatever the test found
    DestroyWindow(g_windows.frame);
    g_windows = {};
}
