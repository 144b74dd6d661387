#pragma once

#include <windows.h>

#include <cstdint>

// What a running process holds, read from outside. Wine leaves some of the
// usual sources empty (GetGuiResources is a stub, GetProcessHandleCount and
// PrivateUsage read 0), so each figure comes from the source that works there,
// and a figure no source gives is -1.
struct ProcessFigures
{
    std::int64_t pagefileBytes = -1;   // PagefileUsage: the committed private memory
    std::int64_t privateBytes = -1;    // PrivateUsage
    std::int64_t handles = -1;         // GetProcessHandleCount, or the system handle table where it reads 0
    std::int64_t handlesReported = -1; // GetProcessHandleCount
    std::int64_t windows = -1;         // top-level and child windows of the process
    std::int64_t gdiObjects = -1;      // GetGuiResources; -1 where it reads 0 (a stub)
    std::int64_t userObjects = -1;
};

ProcessFigures MeasureProcess(HANDLE process, DWORD processId);
