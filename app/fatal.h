#pragma once

// Shows `message` in an error box with no owner and ends the process with exit code -1
// once the box is closed. Nothing of the program runs after it.
[[noreturn]] void FatalExit(const char* message);
