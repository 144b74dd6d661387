#pragma once

#include <windows.h>

// The transparent hint label: a private window class that draws its own text on one line over
// whatever its parent painted beneath it.
bool RegisterLabelClass(HINSTANCE instance);
