// The floor for start-up and conversion: the least a program must do to show a
// notice, then a window with a single-line and a multi-line box, and on Enter
// in the first box run the bare script-control sequence and put the link in the
// second. It carries the program's manifest, so its boxes are the same common
// controls, and the program's font, DEFAULT_GUI_FONT: the result box lays out
// and wraps the link in its font on every change, so the floor does the same
// work there as the program. The benchmark drives it exactly as it drives the
// program: same control ids, same messages.

#include <ole2.h>
#include <windows.h>

#include <memory>

#include "bench/bare_script.h"
#include "bench/floor_window.h"

namespace
{
struct HeapDeleter
{
    void operator()(wchar_t* block) const { HeapFree(GetProcessHeap(), 0, block); }
};

LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

void Convert(HWND groupBox, HWND resultBox)
{
    const int length = GetWindowTextLengthW(groupBox);
    std::unique_ptr<wchar_t, HeapDeleter> number(
        static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, (length + 1) * sizeof(wchar_t))));
    if (!number)
        return;
    GetWindowTextW(groupBox, number.get(), length + 1);
    const UniqueBstr link = RunLinkScriptBare(number.get());
    SetWindowTextW(resultBox, link ? link.get() : L"");
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    OleInitialize(nullptr);
    MessageBoxW(nullptr, L"floor", L"floor", MB_OK | MB_TASKMODAL);

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = FloorWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFloorWindowClass;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, kFloorWindowClass, L"floor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 374, 175, nullptr, nullptr, instance, nullptr);
    HWND groupBox = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 8, 8, 264,
                                    32, window, reinterpret_cast<HMENU>(kFloorGroupBoxId), instance, nullptr);
    HWND resultBox =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 8, 48,
                        352, 56, window, reinterpret_cast<HMENU>(kFloorResultBoxId), instance, nullptr);
    if (!window || !groupBox || !resultBox)
        return 1;
    for (HWND box : {groupBox, resultBox})
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetFocus(groupBox);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
    {
        if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && message.hwnd == groupBox)
            Convert(groupBox, resultBox);
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    OleUninitialize();
    return 0;
}
