#pragma once

// What the benchmark needs to find the floor program's window and boxes. The
// ids are the program's own, so one driver serves both.
inline constexpr wchar_t kFloorWindowClass[] = L"QQBenchFloorWindow";
inline constexpr int kFloorGroupBoxId = 100;
inline constexpr int kFloorResultBoxId = 120;
