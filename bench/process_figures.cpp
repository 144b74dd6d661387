#include "bench/process_figures.h"

#include <psapi.h>

#include <vector>

namespace
{
// The system handle table (NtQuerySystemInformation class 16), declared here
// because the mingw headers keep it private to the DDK.
constexpr ULONG kSystemHandleInformation = 16;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);

struct SystemHandleEntry
{
    ULONG ownerProcessId;
    BYTE objectType;
    BYTE flags;
    USHORT handleValue;
    PVOID object;
    ACCESS_MASK grantedAccess;
};

struct SystemHandleTable
{
    ULONG count;
    SystemHandleEntry entries[1];
};

using NtQuerySystemInformationFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

std::int64_t CountSystemHandles(DWORD processId)
{
    static const auto query = reinterpret_cast<NtQuerySystemInformationFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!query)
        return -1;
    std::vector<BYTE> buffer(1 << 16);
    for (;;)
    {
        ULONG needed = 0;
        const LONG status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == kInfoLengthMismatch)
        {
            buffer.resize(needed > buffer.size() ? needed + 4096 : buffer.size() * 2);
            continue;
        }
        if (status < 0)
            return -1;
        break;
    }
    const auto* table = reinterpret_cast<const SystemHandleTable*>(buffer.data());
    std::int64_t count = 0;
    for (ULONG i = 0; i < table->count; ++i)
        if (table->entries[i].ownerProcessId == processId)
            ++count;
    return count;
}

struct WindowCount
{
    DWORD processId;
    std::int64_t count;
};

BOOL CALLBACK CountChild(HWND, LPARAM context)
{
    ++reinterpret_cast<WindowCount*>(context)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM context)
{
    auto* windows = reinterpret_cast<WindowCount*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != windows->processId)
        return TRUE;
    ++windows->count;
    // EnumChildWindows walks every descendant, not only direct children.
    EnumChildWindows(window, CountChild, context);
    return TRUE;
}

std::int64_t GuiObjects(HANDLE process, DWORD kind)
{
    const DWORD count = GetGuiResources(process, kind);
    return count == 0 ? -1 : static_cast<std::int64_t>(count);
}
} // namespace

ProcessFigures MeasureProcess(HANDLE process, DWORD processId)
{
    ProcessFigures figures;
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory)))
    {
        figures.pagefileBytes = static_cast<std::int64_t>(memory.PagefileUsage);
        figures.privateBytes = static_cast<std::int64_t>(memory.PrivateUsage);
    }
    DWORD reported = 0;
    if (GetProcessHandleCount(process, &reported))
        figures.handlesReported = reported;
    // Windows counts handles itself; Wine reads 0 there but fills the system
    // handle table.
    figures.handles = reported > 0 ? static_cast<std::int64_t>(reported) : CountSystemHandles(processId);
    WindowCount windows = {processId, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    figures.windows = windows.count;
    figures.gdiObjects = GuiObjects(process, GR_GDIOBJECTS);
    figures.userObjects = GuiObjects(process, GR_USEROBJECTS);
    return figures;
}
