#include "tests/e2e/driver.h"

namespace e2e
{
namespace
{
void PumpOwnMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

struct FindContext
{
    DWORD processId;
    std::vector<HWND>* windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context)
{
    auto* find = reinterpret_cast<FindContext*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == find->processId)
        find->windows->push_back(window);
    return TRUE;
}

INPUT KeyInput(WORD virtualKey, bool up, bool extended)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

void Send(INPUT input)
{
    SendInput(1, &input, sizeof(input));
    Sleep(20);
}
} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;)
    {
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        PumpOwnMessages();
        Sleep(20);
    }
}

std::wstring BesideTests(const wchar_t* exeName)
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + exeName;
}

std::wstring WindowText(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return L"<no answer>";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    text.resize(copied);
    return text;
}

std::wstring ClassName(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::vector<HWND> TopLevelWindows(DWORD processId)
{
    std::vector<HWND> windows;
    FindContext context = {processId, &windows};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&context));
    return windows;
}

RECT ChildRect(HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

Program::Program(const std::wstring& exePath, const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &m_process))
        m_process = {};
}

Program::~Program()
{
    if (!m_process.hProcess)
        return;
    if (IsRunning())
    {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND Program::WaitForNotice(DWORD timeoutMs)
{
    HWND notice = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(ProcessId()))
                if (ClassName(window) == L"#32770" && IsWindowVisible(window))
                {
                    notice = window;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return notice;
}

bool Program::DismissNotice(HWND notice)
{
    // The OK button of a message box has the id IDOK; BM_CLICK presses it through the box's own loop.
    HWND ok = GetDlgItem(notice, IDOK);
    if (!ok)
        ok = GetDlgItem(notice, IDCANCEL);
    if (!ok)
        return false;
    PostMessageW(ok, BM_CLICK, 0, 0);
    return WaitUntil([&] { return !IsWindow(notice) || !IsWindowVisible(notice); });
}

HWND Program::WaitForMainWindow(DWORD timeoutMs)
{
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(ProcessId()))
                if (ClassName(window) == L"VantorelMainWindow")
                {
                    m_mainWindow = window;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return m_mainWindow;
}

HWND Program::StartToMainWindow()
{
    HWND notice = WaitForNotice();
    if (!notice || !DismissNotice(notice))
        return nullptr;
    HWND window = WaitForMainWindow();
    if (!window || !WaitUntil([&] { return IsWindowVisible(window) != FALSE; }))
        return nullptr;
    Sync(window);
    return window;
}

bool Program::WaitForExit(DWORD& exitCode, DWORD timeoutMs)
{
    if (!m_process.hProcess || WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(m_process.hProcess, &exitCode) != FALSE;
}

bool Program::IsRunning() const
{
    return m_process.hProcess && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

bool Sync(HWND window)
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored) != 0;
}

bool BringToFront(HWND window)
{
    return WaitUntil(
        [&] {
            SetForegroundWindow(window);
            return GetForegroundWindow() == window;
        },
        5000);
}

void KeyDown(WORD virtualKey, bool extended)
{
    Send(KeyInput(virtualKey, false, extended));
}

void KeyUp(WORD virtualKey, bool extended)
{
    Send(KeyInput(virtualKey, true, extended));
}

void PressKey(WORD virtualKey, bool extended)
{
    KeyDown(virtualKey, extended);
    KeyUp(virtualKey, extended);
}

void PressChord(const std::vector<WORD>& modifiers, WORD virtualKey, bool extended)
{
    for (WORD modifier : modifiers)
        KeyDown(modifier);
    PressKey(virtualKey, extended);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        KeyUp(*it);
}

void TypeText(const std::wstring& text)
{
    for (wchar_t unit : text)
    {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = unit;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        Send(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        Send(input);
    }
}

void ClickClient(HWND window, POINT point)
{
    ClientToScreen(window, &point);
    // The pointer moves with absolute coordinates in the same input as the button presses, so
    // the click cannot land where the pointer was before the move took effect (seen under Wine
    // with a separate SetCursorPos).
    INPUT inputs[3] = {};
    for (INPUT& input : inputs)
    {
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(point.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(point.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
    Sleep(20);
}

HWND FocusOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

COLORREF ClientPixel(HWND window, POINT point)
{
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::vector<HWND> ChildrenInZOrder(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND VisibleChild(HWND parent, int id)
{
    for (HWND child : ChildrenInZOrder(parent))
        if (GetDlgCtrlID(child) == id && IsWindowVisible(child))
            return child;
    return nullptr;
}

PixelArea CaptureClientArea(HWND window, const RECT& area)
{
    PixelArea capture;
    capture.width = area.right - area.left;
    capture.height = area.bottom - area.top;
    if (capture.width <= 0 || capture.height <= 0)
        return capture;
    POINT origin = {area.left, area.top};
    ClientToScreen(window, &origin);

    // One copy of the whole area into a top-down 32-bit DIB: far cheaper than a GetPixel each.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory && bitmap)
    {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, capture.width, capture.height, screen, origin.x, origin.y, SRCCOPY);
        GdiFlush();
        const auto* source = static_cast<const DWORD*>(bits);
        capture.pixels.reserve(static_cast<std::size_t>(capture.width * capture.height));
        for (int i = 0; i < capture.width * capture.height; ++i)
        {
            // A 32-bit DIB pixel is 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
            const DWORD pixel = source[i];
            capture.pixels.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
        }
        SelectObject(memory, previous);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memory)
        DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (capture.pixels.empty())
        capture.width = capture.height = 0;
    return capture;
}
} // namespace e2e
