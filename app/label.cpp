#include "app/label.h"

#include "app/heap_text.h"
#include "app/win32_handles.h"
#include "app/window_layout.h"

namespace
{
void OnLabelPaint(HWND label)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    RECT client;
    GetClientRect(label, &client);
    const int length = GetWindowTextLengthA(label);
    if (length > 0)
    {
        HeapText text = AllocateText(static_cast<std::size_t>(length));
        GetWindowTextA(label, text.get(), length + 1);
        SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kLabelTextColour);
        // One line even though the text holds a line break: DT_SINGLELINE ignores it.
        DrawTextA(dc, text.get(), -1, &client, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    }
    EndPaint(label, &paint);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT:
        OnLabelPaint(label);
        return 0;
    default:
        return DefWindowProcA(label, message, wParam, lParam);
    }
}
} // namespace

bool RegisterLabelClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = kLabelClassStyle;
    windowClass.lpfnWndProc = LabelProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    // No background: nothing is erased under the label, so the parent shows through.
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = kLabelClass;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
