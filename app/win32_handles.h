#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// Owners for the GDI and USER handles the program creates itself.

struct GdiObjectDeleter
{
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

struct IconDeleter
{
    void operator()(HICON icon) const { DestroyIcon(icon); }
};

using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// A window DC released on every path.
class WindowDC
{
  public:
    explicit WindowDC(HWND window, bool wholeWindow = false)
        : m_window(window), m_dc(wholeWindow ? GetWindowDC(window) : GetDC(window))
    {
    }
    ~WindowDC()
    {
        if (m_dc)
            ReleaseDC(m_window, m_dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return m_dc; }

  private:
    HWND m_window;
    HDC m_dc;
};

// Selects an object into a DC and puts the previous one back on every path.
class SelectedObject
{
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~SelectedObject()
    {
        if (m_previous)
            SelectObject(m_dc, m_previous);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC m_dc;
    HGDIOBJ m_previous;
};
