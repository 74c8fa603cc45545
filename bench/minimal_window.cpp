// The baseline for starting up: the least a program can do to show what the overlay shows at
// start, one centred, topmost, colour-keyed window of the same size with one line in it.
#include <windows.h>

namespace {
constexpr int kSide = 200;  // the overlay's default size, its border included
constexpr int kThird = 66;  // where its first guide line lies in the client

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            HPEN pen = CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
            HGDIOBJ old = SelectObject(dc, pen);
            MoveToEx(dc, kThird, 0, nullptr);
            LineTo(dc, kThird, kSide);
            SelectObject(dc, old);
            DeleteObject(pen);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "pemoka_bench_minimal";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_LAYERED | WS_EX_TOPMOST, wc.lpszClassName, nullptr, WS_POPUP | WS_BORDER,
                                (GetSystemMetrics(SM_CXSCREEN) - kSide) / 2, (GetSystemMetrics(SM_CYSCREEN) - kSide) / 2,
                                kSide, kSide, nullptr, nullptr, instance, nullptr);
    SetLayeredWindowAttributes(hwnd, RGB(255, 255, 255), 0, LWA_COLORKEY);
    ShowWindow(hwnd, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
