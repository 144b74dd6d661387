#include "app/icons.h"

#include "app/win32_handles.h"
#include "app/window_layout.h"

namespace
{
UniqueIcon g_largeIcon;
UniqueIcon g_smallIcon;

HICON LoadDefaultIcon(UniqueIcon& slot, int size)
{
    if (!slot)
        slot.reset(static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), kDefaultIconName, IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    return slot.get();
}
} // namespace

HICON LargeIcon()
{
    return LoadDefaultIcon(g_largeIcon, 32);
}

HICON SmallIcon()
{
    return LoadDefaultIcon(g_smallIcon, 16);
}

void DestroyIcons()
{
    g_largeIcon.reset();
    g_smallIcon.reset();
}
