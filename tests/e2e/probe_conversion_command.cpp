// A conversion command that only records its calls: it writes "<count>:<group box text>" into
// the result box, so a test sees how often the command ran and what the box held at the time.
#include <cstdio>

#include "app/main_window.h"
#include "convert/conversion_command.h"

void RunConversionCommand()
{
    static int calls = 0;
    ++calls;
    const HeapText number = GetBoxText(编辑框_群号码);
    char text[512];
    std::snprintf(text, sizeof(text), "%d:%s", calls, number ? number.get() : "");
    SetBoxText(编辑框_转换完毕, text);
}
