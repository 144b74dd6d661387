#pragma once

#include <windows.h>

// Elapsed time from the performance counter, in milliseconds.
class Stopwatch
{
  public:
    Stopwatch() { QueryPerformanceCounter(&m_start); }

    double ElapsedMs() const
    {
        LARGE_INTEGER now;
        LARGE_INTEGER frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - m_start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
    }

  private:
    LARGE_INTEGER m_start;
};
