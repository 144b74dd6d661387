#pragma once

#include "app/heap_text.h"
#include "convert/com_types.h"

// One script control loaded with the link script. A fresh one serves each conversion: nothing
// from an earlier conversion can leak into the next.
class LinkScriptEngine
{
  public:
    // Creates the script control, sets its language to JScript and loads the link script.
    // A step that fails leaves the engine unable to run, which Run then reports as no text.
    LinkScriptEngine();
    LinkScriptEngine(const LinkScriptEngine&) = delete;
    LinkScriptEngine& operator=(const LinkScriptEngine&) = delete;

    // Runs tencent(groupNumber); the group number goes in only as an argument, never as code.
    // Returns the link, or none when the script control could not give one.
    HeapText Run(const char* groupNumber);

    // Releases the script control; also done on destruction.
    void Release();

  private:
    ComPtr<IUnknown> m_scriptControl;
};

// The whole life of one engine: create, load, run and release. Returns the link for
// `groupNumber`, or none when the script control could not give one.
HeapText BuildGroupLink(const char* groupNumber);
