#pragma once

// Drives a program under measurement from outside, the same way for the program
// and for its floor: start it, time the notice and the window, post Enter to
// the group box and time the result box until it holds the new link.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/process_figures.h"
#include "tests/e2e/driver.h"

struct Subject
{
    std::wstring exePath;
    std::wstring windowClass;
    int groupBoxId;
    int resultBoxId;
};

struct StartupTimes
{
    bool ok = false;
    double toNoticeMs = 0; // process start until the notice is visible
    double toWindowMs = 0; // notice dismissed until the main window is visible
};

StartupTimes MeasureStartup(const Subject& subject);

struct ConversionRun
{
    std::vector<double> latenciesMs; // one per conversion that gave the right link
    int failedAt = 0;                // 1-based number of the first conversion that did not; 0 when none
    ProcessFigures atWarm;           // after `warmCount` conversions
    ProcessFigures atEnd;            // after the last one
    int warmCount = 0;
    int endCount = 0;
};

// One running subject, started and past its notice, ready to convert.
class ConversionSession
{
  public:
    explicit ConversionSession(const Subject& subject);
    ~ConversionSession();
    ConversionSession(const ConversionSession&) = delete;
    ConversionSession& operator=(const ConversionSession&) = delete;

    // Puts `groupNumber` in the group box, posts Enter and waits for the link.
    // Returns the milliseconds from the post until the result box held the link,
    // or -1 when it never did.
    double Convert(const std::wstring& groupNumber);
    ProcessFigures Measure() const;

  private:
    e2e::Program m_program;
    HWND m_window = nullptr;
    HWND m_groupBox = nullptr;
    HWND m_resultBox = nullptr;
};

// Starts every subject and runs `count` conversions with varying numbers,
// taking the subjects in turn for each number so that the machine's slow and
// fast patches fall on all alike. `progress` is called every 50 conversions.
std::vector<ConversionRun> RunConversions(const std::vector<Subject>& subjects, int count, int warmCount,
                                          const std::function<void(int)>& progress);

// The link the script gives for `groupNumber`.
std::wstring ExpectedLink(const std::wstring& groupNumber);

// The group number of the `index`th conversion: 5 to 10 digits, never the same
// twice running.
std::wstring GroupNumberFor(int index);
