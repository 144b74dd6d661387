#pragma once

// Called once the main window has received its last message: ends the message loop when no
// window of the program is left and the loop has been entered.
void NotifyWindowDestroyed();
