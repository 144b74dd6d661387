#include "app/main_window.h"

#include "app/app_lifetime.h"
#include "app/create_window.h"
#include "app/edit_box.h"
#include "app/events.h"
#include "app/focus.h"
#include "app/icons.h"
#include "app/label.h"

namespace
{
// The program's one window and its controls, in creation order; cleared at WM_NCDESTROY.
HWND g_mainWindow = nullptr;
HWND g_controls[kControlCount] = {};

std::size_t ControlIndex(ControlId id)
{
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (kControls[i].id == id)
            return i;
    return kControlCount;
}

void OnPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    // The system's own solid brush of the face colour: nothing to create or delete per paint.
    FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(window, &paint);
}

LRESULT OnCtlColorEdit(HWND window, WPARAM wParam, LPARAM lParam)
{
    const auto box = reinterpret_cast<HWND>(lParam);
    if (GetParent(box) == window)
        if (const LRESULT brush = SendMessageA(box, kReflectedCtlColorEdit, wParam, 0))
            return brush;
    return DefWindowProcA(window, WM_CTLCOLOREDIT, wParam, lParam);
}

void OnCommand(WPARAM wParam)
{
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == 按钮_转换)
        OnConvertButtonClicked();
}

void OnNcDestroy()
{
    g_mainWindow = nullptr;
    for (HWND& control : g_controls)
        control = nullptr;
    ForgetFocus();
    NotifyWindowDestroyed();
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_CTLCOLOREDIT:
        return OnCtlColorEdit(window, wParam, lParam);
    case WM_COMMAND:
        OnCommand(wParam);
        return 0;
    case WM_ACTIVATE:
        if (OnActivate(window, LOWORD(wParam) != WA_INACTIVE))
            return 0;
        break;
    case WM_SETFOCUS:
        OnMainWindowFocus(window);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE)
            RememberFocusedControl(window);
        break;
    case WM_NCDESTROY:
        OnNcDestroy();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = kMainWindow.classStyle;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    // The window paints its face colour itself on WM_PAINT.
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = kMainWindow.className;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateMainWindow(HINSTANCE instance)
{
    const POINT origin = CentredWindowOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    HWND window = CreateProgramWindow(kMainWindow.exStyle, kMainWindow.className, kMainWindow.title, kMainWindow.style,
                                      origin.x, origin.y, kMainWindow.width, kMainWindow.height, nullptr, 0, instance);
    if (!window)
        return nullptr;
    RECT actual;
    GetWindowRect(window, &actual);
    if (actual.right - actual.left != kMainWindow.width || actual.bottom - actual.top != kMainWindow.height)
        MoveWindow(window, origin.x, origin.y, kMainWindow.width, kMainWindow.height, TRUE);
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LargeIcon()));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(SmallIcon()));
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return window;
}

bool SetUpControl(HWND control, const ControlLayout& layout)
{
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    const bool isEdit = layout.kind == ControlKind::SingleLineEdit || layout.kind == ControlKind::MultiLineEdit;
    if (!isEdit)
        return true;
    if (!AttachEditBox(control, layout.kind == ControlKind::SingleLineEdit))
        return false;
    SetWindowLongPtrA(control, GWL_EXSTYLE, GetWindowLongPtrA(control, GWL_EXSTYLE) | layout.exStyleAfterwards);
    // The new edge and the font change the non-client area: have it recalculated.
    SetWindowPos(control, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(control, EM_LIMITTEXT, 0, 0);
    SendMessageA(control, EM_SETSEL, 0, 0);
    SendMessageA(control, EM_SCROLLCARET, 0, 0);
    return true;
}

bool CreateControls(HWND window, HINSTANCE instance)
{
    for (std::size_t i = 0; i < kControlCount; ++i)
    {
        const ControlLayout& layout = kControls[i];
        g_controls[i] = CreateProgramWindow(layout.exStyle, layout.className, layout.text, layout.style, layout.left,
                                            layout.top, layout.width, layout.height, window, layout.id, instance);
        if (!g_controls[i] || !SetUpControl(g_controls[i], layout))
            return false;
    }
    return true;
}

void ArrangeAndShowControls()
{
    HWND above = HWND_TOP;
    for (ControlId id : kZOrder)
    {
        HWND control = ControlWindow(id);
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
        above = control;
    }
    for (HWND control : g_controls)
        ShowWindow(control, SW_SHOWNA);
}
} // namespace

bool LoadMainWindow()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterMainWindowClass(instance) || !RegisterLabelClass(instance))
        return false;
    g_mainWindow = CreateMainWindow(instance);
    if (!g_mainWindow)
        return false;
    if (!CreateControls(g_mainWindow, instance))
        return false;
    ArrangeAndShowControls();
    OnMainWindowCreated();
    // The window cannot be closed while the notice is up, but check rather than assume.
    if (AnyWindowAlive())
        ShowWindow(g_mainWindow, SW_SHOW);
    return true;
}

bool AnyWindowAlive()
{
    return g_mainWindow && IsWindow(g_mainWindow);
}

HWND MainWindowHandle()
{
    return g_mainWindow;
}

HWND ControlWindow(ControlId id)
{
    const std::size_t index = ControlIndex(id);
    return index < kControlCount ? g_controls[index] : nullptr;
}

HeapText GetBoxText(ControlId box)
{
    HWND control = ControlWindow(box);
    const int length = control ? GetWindowTextLengthA(control) : 0;
    if (length <= 0)
        return nullptr;
    HeapText text = AllocateText(static_cast<std::size_t>(length));
    GetWindowTextA(control, text.get(), length + 1);
    return text;
}

void SetBoxText(ControlId box, const char* text)
{
    if (HWND control = ControlWindow(box))
        SetWindowTextA(control, text ? text : "");
}
