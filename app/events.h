#pragma once

// The handlers of the main window's events.

// Creation: greets the user; returns once the notice has been dismissed.
void OnMainWindowCreated();

// Key down in the group-number box: Enter runs the conversion. Never consumes the key.
void OnGroupBoxKeyDown(int keyCode, int modifiers);

// BN_CLICKED from the Convert button.
void OnConvertButtonClicked();
