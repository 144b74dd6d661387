#include "app/edit_box.h"

#include <new>

#include "app/text_line.h"
#include "app/win32_handles.h"
#include "app/window_layout.h"

namespace
{
struct EditBoxState
{
    UniqueBrush whiteBrush;
    bool centreTextLine;
    WNDPROC editProc; // the edit control's own procedure, which every message ends in
};

// The box is subclassed by replacing its window procedure, with its state in the window's user
// data, rather than with SetWindowSubclass: that keeps its data in a window property, and under
// Wine every property read is a round trip to the server, three for each message the box gets,
// which made reading and setting a box's text and painting it several times slower.
// The procedure is set and called in its Unicode form, as SetWindowSubclass does for the
// Unicode edit control: the box stays a Unicode window, so its text and keyboard messages reach
// the control unconverted, exactly as before. None of the messages handled here carries text.
LRESULT CallEditProc(HWND box, const EditBoxState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(state.editProc, box, message, wParam, lParam);
}

int TextLineHeight(HWND box)
{
    WindowDC dc(box);
    if (!dc.get())
        return 0;
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0));
    SelectedObject selected(dc.get(), font ? font : GetStockObject(SYSTEM_FONT));
    SIZE extent = {};
    GetTextExtentPoint32A(dc.get(), "W", 1, &extent);
    return extent.cy;
}

// The client rectangle in the coordinates of the box's window DC.
RECT ClientRectInWindow(HWND box)
{
    RECT window;
    RECT client;
    GetWindowRect(box, &window);
    GetClientRect(box, &client);
    MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    return client;
}

LRESULT OnNcCalcSize(HWND box, const EditBoxState& state, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallEditProc(box, state, WM_NCCALCSIZE, wParam, lParam);
    RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
    const int lineHeight = TextLineHeight(box);
    // A line taller than the box keeps the edit control's own layout.
    if (lineHeight > 0 && lineHeight < client.bottom - client.top)
    {
        const LineBand band = CentredTextLine(client.top, client.bottom, lineHeight);
        client.top = band.top;
        client.bottom = band.bottom;
    }
    return result;
}

// Fills the bands above and below the text line white, then lets the control draw its border.
LRESULT OnNcPaint(HWND box, const EditBoxState& state, WPARAM wParam, LPARAM lParam)
{
    {
        WindowDC dc(box, true);
        if (dc.get())
        {
            RECT window;
            GetWindowRect(box, &window);
            OffsetRect(&window, -window.left, -window.top);
            const RECT client = ClientRectInWindow(box);
            ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
            FillRect(dc.get(), &window, state.whiteBrush.get());
        }
    }
    return CallEditProc(box, state, WM_NCPAINT, wParam, lParam);
}

// Clicks above or below the text line hit the frame, so they never move the caret.
LRESULT OnNcHitTest(HWND box, const EditBoxState& state, WPARAM wParam, LPARAM lParam)
{
    const LRESULT hit = CallEditProc(box, state, WM_NCHITTEST, wParam, lParam);
    if (hit == HTCLIENT)
        return hit;
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT window;
    GetWindowRect(box, &window);
    if (PtInRect(&window, point))
        return HTBORDER;
    return hit;
}

LRESULT OnCtlColor(const EditBoxState& state, WPARAM wParam)
{
    const auto dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, kEditTextColour);
    SetBkColor(dc, kEditBackColour);
    return reinterpret_cast<LRESULT>(state.whiteBrush.get());
}

LRESULT OnEraseBackground(HWND box, const EditBoxState& state, WPARAM wParam)
{
    RECT client;
    GetClientRect(box, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, state.whiteBrush.get());
    return 1;
}

LRESULT OnNcDestroy(HWND box, EditBoxState* state, WPARAM wParam, LPARAM lParam)
{
    SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state->editProc));
    SetWindowLongPtrA(box, GWLP_USERDATA, 0);
    const LRESULT result = CallEditProc(box, *state, WM_NCDESTROY, wParam, lParam);
    delete state;
    return result;
}

LRESULT CALLBACK EditBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<EditBoxState*>(GetWindowLongPtrA(box, GWLP_USERDATA));
    switch (message)
    {
    case kReflectedCtlColorEdit:
        return OnCtlColor(*state, wParam);
    case WM_ERASEBKGND:
        return OnEraseBackground(box, *state, wParam);
    case WM_NCCALCSIZE:
        if (state->centreTextLine)
            return OnNcCalcSize(box, *state, wParam, lParam);
        break;
    case WM_NCPAINT:
        if (state->centreTextLine)
            return OnNcPaint(box, *state, wParam, lParam);
        break;
    case WM_NCHITTEST:
        if (state->centreTextLine)
            return OnNcHitTest(box, *state, wParam, lParam);
        break;
    case WM_NCDESTROY:
        return OnNcDestroy(box, state, wParam, lParam);
    }
    return CallEditProc(box, *state, message, wParam, lParam);
}
} // namespace

bool AttachEditBox(HWND box, bool centreTextLine)
{
    auto* state =
        new (std::nothrow) EditBoxState{UniqueBrush(CreateSolidBrush(kEditBackColour)), centreTextLine, nullptr};
    if (!state || !state->whiteBrush)
    {
        delete state;
        return false;
    }
    state->editProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(box, GWLP_WNDPROC));
    // The state is in place before the first message reaches the new procedure.
    SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    if (!state->editProc || !SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditBoxProc)))
    {
        SetWindowLongPtrA(box, GWLP_USERDATA, 0);
        delete state;
        return false;
    }
    return true;
}
