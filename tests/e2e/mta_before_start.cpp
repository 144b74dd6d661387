// Test build of the program whose OLE initialisation fails: before the program starts, its thread
// joins the multithreaded apartment, so the program's OleInitialize returns RPC_E_CHANGED_MODE.
#include <objbase.h>

namespace
{
struct JoinMultithreadedApartment
{
    JoinMultithreadedApartment() { CoInitializeEx(nullptr, COINIT_MULTITHREADED); }
};

// Constructed by the C runtime before WinMain runs.
const JoinMultithreadedApartment g_joined;
} // namespace
