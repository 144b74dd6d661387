#pragma once

// Drives the real program from outside, as a person would: starts the built exe, finds its
// windows, types and clicks through its own message loop, and reads back what it shows.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace e2e
{
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kStepTimeoutMs = 10000;

// Polls `condition` (pumping our own messages) until it holds or `timeoutMs` passes.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kStepTimeoutMs);

// The path of `exeName` in the folder of the running test program.
std::wstring BesideTests(const wchar_t* exeName);

// Cross-process text of a window, read with WM_GETTEXT (ANSI windows convert through the
// system code page).
std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);

// Top-level windows of a process, visible or not.
std::vector<HWND> TopLevelWindows(DWORD processId);

// Client-area rectangle of `child` relative to its parent's client area.
RECT ChildRect(HWND child);

// One run of a program under test. The destructor ends it if it is still running.
class Program
{
  public:
    explicit Program(const std::wstring& exePath, const std::wstring& arguments = L"");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    HANDLE Process() const { return m_process.hProcess; }

    // The welcome notice (a "#32770" box of this process) once it is up.
    HWND WaitForNotice(DWORD timeoutMs = kStartTimeoutMs);
    // Presses the notice's OK button.
    bool DismissNotice(HWND notice);
    // The main window once it exists (visible or not).
    HWND WaitForMainWindow(DWORD timeoutMs = kStartTimeoutMs);
    // Starts, dismisses the notice and waits for the main window to be visible.
    HWND StartToMainWindow();

    HWND MainWindow() const { return m_mainWindow; }
    HWND Control(int id) const { return GetDlgItem(m_mainWindow, id); }

    // Waits for the process to end; true with its exit code when it did.
    bool WaitForExit(DWORD& exitCode, DWORD timeoutMs = kStepTimeoutMs);
    bool IsRunning() const;

  private:
    PROCESS_INFORMATION m_process = {};
    HWND m_mainWindow = nullptr;
};

// Round-trips a message through the program's UI thread, so every message posted before it
// has been handled when this returns.
bool Sync(HWND window);

// Real keyboard input (SendInput) to the foreground window. Brings `window` to the front first.
bool BringToFront(HWND window);
void PressKey(WORD virtualKey, bool extended = false);
void KeyDown(WORD virtualKey, bool extended = false);
void KeyUp(WORD virtualKey, bool extended = false);
// Presses `virtualKey` while holding the given modifier keys (VK_CONTROL, VK_SHIFT, VK_MENU).
void PressChord(const std::vector<WORD>& modifiers, WORD virtualKey, bool extended = false);
// Types text as Unicode characters.
void TypeText(const std::wstring& text);
// A real left click at a point of `window`'s client area.
void ClickClient(HWND window, POINT point);

// The window that has the keyboard focus in `window`'s thread.
HWND FocusOf(HWND window);

// Colour of a screen pixel at a point of `window`'s client area (the window must be visible
// and uncovered).
COLORREF ClientPixel(HWND window, POINT point);

// Direct children of `parent`, from the top of the z-order down.
std::vector<HWND> ChildrenInZOrder(HWND parent);

// The visible child of `parent` (a message box, say) with the given control id, or null.
HWND VisibleChild(HWND parent, int id);

// A copy of screen pixels, row by row.
struct PixelArea
{
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The screen's pixels under `area`, given in `window`'s client coordinates (the window must be
// visible and uncovered).
PixelArea CaptureClientArea(HWND window, const RECT& area);
} // namespace e2e
