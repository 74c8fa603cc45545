// The real programs on made-up settings files and on absurd sizes: each comes up, paints every
// guide, and goes as it should.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "../win/settings_fuzz.h"
#include "overlay_harness.h"
#include <psapi.h>
#include "settings/shared_names.h"

namespace {
constexpr unsigned kProgramRuns = 20;  // of the generated files, evenly spread
unsigned FileOfRun(unsigned run) { return run * (kFuzzedFileCount / kProgramRuns); }

bool Handled(HWND hwnd, UINT msg, WPARAM wp) {
    DWORD_PTR result;
    return SendMessageTimeoutA(hwnd, msg, wp, 0, SMTO_NORMAL, kWaitMs, &result) != 0;
}

// Chooses one of the two division guides as the menu does, answering its dialog with the
// button given.
::testing::AssertionResult AnswersDivisionDialog(const Overlay& o, uint32_t mask, int answer) {
    PostMessageA(o.frame, WM_COMMAND, mask, 0);
    // In the language that the file's Ext picks.
    const char* titles[] = {mask == 0x80 ? "等分割数の設定" : "等分割幅の設定",
                            mask == 0x80 ? "Grid by Count" : "Grid by Spacing"};
    HWND dialog = nullptr;
    WaitUntil([&] {
        for (const char* title : titles)
            if ((dialog = FindProcessWindow(o.process.dwProcessId, nullptr, title)) && IsWindowVisible(dialog))
                return true;
        return false;
    });
    if (!dialog) return ::testing::AssertionFailure() << "no dialog for guide " << mask;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, answer)));
    if (!WaitUntil([&] { return !IsWindow(dialog); }))
        return ::testing::AssertionFailure() << "the dialog of guide " << mask << " stays";
    return ::testing::AssertionSuccess();
}

bool Painted(const Overlay& o) {
    return WaitUntil([&] { return !GetUpdateRect(o.frame, nullptr, FALSE) && Handled(o.frame, WM_NULL, 0); });
}

// Chooses every guide as the menu does, answering the division dialogs with the button given,
// and waits until each has been painted.
::testing::AssertionResult PaintsEveryGuide(const Overlay& o, int answer) {
    for (const GuideName& g : kGuideNames) {
        if (g.mask == 0x80 || g.mask == 0x100) {
            if (auto chosen = AnswersDivisionDialog(o, g.mask, answer); !chosen) return chosen;
        } else if (!Handled(o.frame, WM_COMMAND, g.mask)) {
            return ::testing::AssertionFailure() << "no answer to guide " << g.mask;
        }
        if (!Painted(o)) return ::testing::AssertionFailure() << "guide " << g.mask << " not painted";
    }
    return ::testing::AssertionSuccess();
}
}  // namespace

TEST(Fuzz, TheOverlayComesUpPaintsAndClosesOnMadeUpFiles) {
    for (unsigned run = 0; run < kProgramRuns; ++run) {
        SCOPED_TRACE("file " + std::to_string(FileOfRun(run)));
        Overlay o;
        ASSERT_TRUE(o.Start(FuzzedSettingsFile(FileOfRun(run))));
        EXPECT_TRUE(PaintsEveryGuide(o, run % 2 ? IDOK : IDCANCEL));
        ASSERT_TRUE(o.Close());
        EXPECT_TRUE(HoldsRecord(o.SettingsPath()));
    }
}

TEST(Fuzz, CancelInTheEditorLeavesMadeUpFilesAsTheyWere) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    for (unsigned run = 0; run < kProgramRuns; ++run) {
        SCOPED_TRACE("file " + std::to_string(FileOfRun(run)));
        const std::string text = FuzzedSettingsFile(FileOfRun(run));
        WriteTextFile(path, text);
        PROCESS_INFORMATION editor{};
        ASSERT_TRUE(StartProgram(dir.path, "Quillet.exe", editor));
        HWND dialog = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            dialog = FindProcessWindow(editor.dwProcessId, "#32770");
            return dialog && IsWindowVisible(dialog);
        }));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_TRUE(WaitForProcessExit(editor));
        EndProcess(editor);
        EXPECT_TRUE(ReadTextFile(path) == text);
    }
}

// Sizes far beyond what the editor allows, with the densest divisions, the widest line and the
// deepest fit search: the overlay still comes up, paints, fits, captures and closes.
TEST(Fuzz, AbsurdSizesAndCounts) {
    const char* const sizes[] = {"0", "1", "39", "40", "5000", "32767", "2147483647"};
    for (const char* size : sizes) {
        SCOPED_TRACE(std::string("size ") + size);
        Overlay o;
        const std::string lines = std::string("Width=") + size + "\r\nHeight=" + size +
                                  "\r\nLineWidth=1000\r\nDivNumV=2147483647\r\nDivNumH=2147483647\r\n"
                                  "DivWidthV=1\r\nDivWidthH=1\r\nFitRange=2147483647\r\n";
        ASSERT_TRUE(o.Start(Ini(lines)));
        EXPECT_TRUE(PaintsEveryGuide(o, IDOK));
        EXPECT_TRUE(Handled(o.frame, WM_COMMAND, 32771));  // the fit
        // Nothing is sized by the frame but what the system draws into: no growth with it.
        PROCESS_MEMORY_COUNTERS memory{};
        ASSERT_TRUE(GetProcessMemoryInfo(o.process.hProcess, &memory, sizeof memory));
        EXPECT_LT(memory.PeakPagefileUsage, 64u << 20);
        if (size == sizes[std::size(sizes) - 1] && sizeof(void*) == 4) {
            // The largest frame the system makes, far beyond the screen: a snapshot of 4 GB is
            // more than a 32-bit process can have. A box says so, and no name is asked for.
            const RECT f = o.FrameRect();
            EXPECT_GT(f.right - f.left, 4 * GetSystemMetrics(SM_CXSCREEN));
            PostMessageA(o.frame, WM_COMMAND, 32772, 0);
            const HWND box = o.WaitForWindow("ペモカ");
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(FindProcessWindow(o.process.dwProcessId, nullptr, "キャプチャーの保存"), nullptr);
            ASSERT_TRUE(CloseBox(box));
            EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(o.frame) && IsWindowVisible(o.back); }));
            EXPECT_TRUE(Handled(o.frame, WM_NULL, 0));
            EXPECT_FALSE(FileExists(o.dir + "shot.bmp"));
        }
        ASSERT_TRUE(o.Close());
        EXPECT_TRUE(HoldsRecord(o.SettingsPath()));
    }
}

// A hand-edited file met in the field (junk lines, a frame of 32765 x 32765 at negative
// coordinates, LineWidth=65535) with the division by spacing: every paint drew 1638 lines with
// a pen 65530 pixels wide and held the overlay for half a minute. It paints as any file does,
// and a close is handled at once.
TEST(Fuzz, AWidePenOverTheDivisionBySpacingHoldsNothingUp) {
    // The project's shared files lie beside the clone: four folders up from build/win/bin.
    const std::string text = ReadTextFile(ProgramFolder() + "..\\..\\..\\..\\shared\\fuzz\\fuzz025.ini");
    ASSERT_FALSE(text.empty()) << "shared/fuzz/fuzz025.ini is not beside the clone";
    Overlay o;
    ASSERT_TRUE(o.Start(text));
    ASSERT_TRUE(Handled(o.frame, WM_COMMAND, 0x7FFF));  // every guide at once, that one among them
    EXPECT_TRUE(Painted(o));
    ASSERT_TRUE(AnswersDivisionDialog(o, 0x100, IDOK));
    EXPECT_TRUE(Painted(o));
    // Closed while it paints again: once it has answered, its queue is empty but for the paint.
    InvalidateRect(o.frame, nullptr, FALSE);
    ASSERT_TRUE(Handled(o.frame, WM_NULL, 0));
    PostMessageA(o.frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(o.frame); }, 1000));
    ASSERT_TRUE(o.WaitForExit());
    EXPECT_TRUE(HoldsRecord(o.SettingsPath()));
}
