#pragma once

// Converts the group number in the group-number box into the join-group link and puts it in
// the result box; when no link can be had, the result box is emptied. Runs on the UI thread.
void RunConversionCommand();
