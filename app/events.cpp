#include "app/events.h"

#include <windows.h>

#include "app/keyboard_rules.h"
#include "app/texts.h"
#include "convert/conversion_command.h"

void OnMainWindowCreated()
{
    // Task-modal with no owner: the main window is still hidden while the notice is up.
    MessageBoxA(nullptr, kWelcomeText, kWelcomeCaption, MB_OK | MB_TASKMODAL);
}

void OnGroupBoxKeyDown(int keyCode, int /*modifiers*/)
{
    // Ctrl, Shift and Alt make no difference: every Enter converts.
    if (keyCode == kKeyEnter)
        RunConversionCommand();
}

void OnConvertButtonClicked()
{
    RunConversionCommand();
}
