#include "convert/conversion_command.h"

#include "app/main_window.h"
#include "convert/script_engine.h"

void RunConversionCommand()
{
    LinkScriptEngine engine;
    HeapText link;
    {
        // The number is released as soon as the script has run.
        const HeapText groupNumber = GetBoxText(编辑框_群号码);
        link = engine.Run(groupNumber ? groupNumber.get() : "");
    }
    // No link empties the box, so an earlier link never stays behind.
    SetBoxText(编辑框_转换完毕, link.get());
    engine.Release();
}
