// The benchmark: drives the built program and its floor programs under the same
// conditions and prints each figure beside its floor. Run by scripts/bench.sh;
// not part of the tests.

#include <ole2.h>
#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "app/window_layout.h"
#include "bench/bare_script.h"
#include "bench/clock.h"
#include "bench/drive.h"
#include "bench/floor_window.h"
#include "bench/report.h"
#include "convert/script_engine.h"
#include "tests/e2e/driver.h"

namespace
{
// Wine's 32-bit script control fails every call after about 920 runs in one process, so under
// Wine the soak stops at 800; on Windows it runs 10,000.
int DefaultConversions()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const bool underWine = ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    return underWine ? 800 : 10000;
}

struct Options
{
    int conversions = DefaultConversions();
    int warm = 50;
    int startups = 5;
    double exeBytes = -1;
    double floorExeBytes = -1;
    std::wstring jsonPath = L"bench.json";
    std::string machine = "unknown";
};

Options ParseOptions(int argc, wchar_t** argv)
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2)
    {
        const std::wstring name = argv[i];
        const wchar_t* value = argv[i + 1];
        if (name == L"--conversions")
            options.conversions = std::max(1, _wtoi(value));
        else if (name == L"--warm")
            options.warm = std::max(1, _wtoi(value));
        else if (name == L"--startups")
            options.startups = std::max(1, _wtoi(value));
        else if (name == L"--exe-bytes")
            options.exeBytes = _wtof(value);
        else if (name == L"--floor-exe-bytes")
            options.floorExeBytes = _wtof(value);
        else if (name == L"--json")
            options.jsonPath = value;
        else if (name == L"--machine")
            options.machine = std::string(value, value + std::wcslen(value));
    }
    options.warm = std::min(options.warm, options.conversions);
    return options;
}

void Progress(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t rank = static_cast<std::size_t>(fraction * static_cast<double>(values.size()) + 0.999999);
    return values[std::min(values.size(), std::max<std::size_t>(rank, 1)) - 1];
}

std::wstring Widen(const char* text)
{
    return std::wstring(text, text + std::strlen(text));
}

Subject Program()
{
    return {e2e::BesideTests(L"qqgrouplink.exe"), Widen(kMainWindowClass), 编辑框_群号码, 编辑框_转换完毕};
}

Subject Floor()
{
    return {e2e::BesideTests(L"qqbench_floor.exe"), kFloorWindowClass, kFloorGroupBoxId, kFloorResultBoxId};
}

void MeasureStartups(const Options& options, std::vector<Row>& rows)
{
    std::vector<double> oursNotice, floorNotice, oursWindow, floorWindow;
    for (int round = 0; round < options.startups; ++round)
    {
        // Alternating, so a slow patch of the machine falls on both alike.
        const StartupTimes ours = MeasureStartup(Program());
        const StartupTimes floor = MeasureStartup(Floor());
        Progress("start-up %d/%d: ours %.0f + %.0f ms, floor %.0f + %.0f ms%s", round + 1, options.startups,
                 ours.toNoticeMs, ours.toWindowMs, floor.toNoticeMs, floor.toWindowMs,
                 ours.ok && floor.ok ? "" : " (a window did not appear)");
        if (!ours.ok || !floor.ok)
            continue;
        oursNotice.push_back(ours.toNoticeMs);
        floorNotice.push_back(floor.toNoticeMs);
        oursWindow.push_back(ours.toWindowMs);
        floorWindow.push_back(floor.toWindowMs);
    }
    rows.push_back(RatioRow("start-up: start to notice (median)", "ms", Median(oursNotice), Median(floorNotice), 1.1));
    rows.push_back(RatioRow("start-up: notice to window (median)", "ms", Median(oursWindow), Median(floorWindow), 1.1));
}

std::string FiguresNote(const ConversionRun& run)
{
    char note[160];
    std::snprintf(note, sizeof(note), "after %d/%d conversions", run.warmCount, run.endCount);
    return note;
}

Row GrowthRow(const char* figure, const char* unit, std::int64_t ProcessFigures::*field, const ConversionRun& ours,
              const ConversionRun& floor)
{
    Row row;
    row.figure = figure;
    row.unit = unit;
    row.target = "no growth";
    const std::int64_t oursWarm = ours.atWarm.*field, oursEnd = ours.atEnd.*field;
    const std::int64_t floorWarm = floor.atWarm.*field, floorEnd = floor.atEnd.*field;
    if (oursWarm < 0 || oursEnd < 0)
    {
        row.ours = row.floor = -1;
        row.verdict = Verdict::NotMeasured;
        row.note = "the platform reports no figure";
        return row;
    }
    row.ours = static_cast<double>(oursEnd - oursWarm);
    row.floor = floorWarm < 0 || floorEnd < 0 ? 0 : static_cast<double>(floorEnd - floorWarm);
    row.verdict = row.ours <= 0 ? Verdict::Met : Verdict::Missed;
    char note[160];
    std::snprintf(note, sizeof(note), "ours %lld -> %lld, floor %lld -> %lld (%s)", static_cast<long long>(oursWarm),
                  static_cast<long long>(oursEnd), static_cast<long long>(floorWarm), static_cast<long long>(floorEnd),
                  FiguresNote(ours).c_str());
    row.note = note;
    return row;
}

void MeasureConversions(const Options& options, std::vector<Row>& rows)
{
    Progress("conversions: %d with the program and the floor, in turn", options.conversions);
    const std::vector<ConversionRun> runs =
        RunConversions({Program(), Floor()}, options.conversions, options.warm,
                       [&](int done) { Progress("  %d/%d", done, options.conversions); });
    const ConversionRun& ours = runs[0];
    const ConversionRun& floor = runs[1];
    if (ours.failedAt || floor.failedAt)
        Progress("conversions: the program stopped giving links at %d, the floor "
                 "at %d (0: never)",
                 ours.failedAt, floor.failedAt);

    Row median =
        RatioRow("conversion latency (median)", "ms", Median(ours.latenciesMs), Median(floor.latenciesMs), 1.1);
    median.note =
        std::to_string(ours.latenciesMs.size()) + " / " + std::to_string(floor.latenciesMs.size()) + " conversions";
    rows.push_back(median);
    Row p99 = {"conversion latency (p99)",
               "ms",
               Percentile(ours.latenciesMs, 0.99),
               Percentile(floor.latenciesMs, 0.99),
               "",
               Verdict::Info,
               ""};
    rows.push_back(p99);

    const double span = static_cast<double>(ours.endCount - ours.warmCount);
    const double floorSpan = static_cast<double>(floor.endCount - floor.warmCount);
    Row memory;
    memory.figure = "memory growth per conversion";
    memory.unit = "bytes";
    memory.target = "within 512 of floor";
    if (span > 0 && floorSpan > 0 && ours.atEnd.pagefileBytes >= 0)
    {
        memory.ours = static_cast<double>(ours.atEnd.pagefileBytes - ours.atWarm.pagefileBytes) / span;
        memory.floor = static_cast<double>(floor.atEnd.pagefileBytes - floor.atWarm.pagefileBytes) / floorSpan;
        memory.verdict = memory.ours - memory.floor <= 512 ? Verdict::Met : Verdict::Missed;
        char note[200];
        std::snprintf(note, sizeof(note), "PagefileUsage ours %lld -> %lld, floor %lld -> %lld (%s)",
                      static_cast<long long>(ours.atWarm.pagefileBytes),
                      static_cast<long long>(ours.atEnd.pagefileBytes),
                      static_cast<long long>(floor.atWarm.pagefileBytes),
                      static_cast<long long>(floor.atEnd.pagefileBytes), FiguresNote(ours).c_str());
        memory.note = note;
    }
    else
    {
        memory.verdict = Verdict::NotMeasured;
    }
    rows.push_back(memory);
    rows.push_back(GrowthRow("handle growth", "count", &ProcessFigures::handles, ours, floor));
    rows.push_back(GrowthRow("window growth", "count", &ProcessFigures::windows, ours, floor));
    rows.push_back(GrowthRow("GDI object growth", "count", &ProcessFigures::gdiObjects, ours, floor));
    rows.push_back(GrowthRow("USER object growth", "count", &ProcessFigures::userObjects, ours, floor));
    Progress("conversions: GetProcessHandleCount reads %lld for the program; "
             "PrivateUsage %lld bytes",
             static_cast<long long>(ours.atEnd.handlesReported), static_cast<long long>(ours.atEnd.privateBytes));
}

// Times the program's script-control function and the bare sequence with the
// same number.
void MeasureLargeInput(std::vector<Row>& rows)
{
    OleInitialize(nullptr);
    for (int digits : {100000, 300000})
    {
        std::string number(static_cast<std::size_t>(digits), '7');
        number[0] = '1';
        const std::wstring wideNumber(number.begin(), number.end());
        const std::wstring expected = ExpectedLink(wideNumber);
        std::vector<double> ours, floor;
        bool right = true;
        for (int round = 0; round < 3; ++round)
        {
            const Stopwatch oursClock;
            const HeapText link = BuildGroupLink(number.c_str());
            ours.push_back(oursClock.ElapsedMs());
            const Stopwatch floorClock;
            const UniqueBstr bare = RunLinkScriptBare(wideNumber.c_str());
            floor.push_back(floorClock.ElapsedMs());
            right = right && link && Widen(link.get()) == expected && bare && expected == bare.get();
            Progress("large input %d: ours %.0f ms, floor %.0f ms", digits, ours.back(), floor.back());
        }
        Row row = RatioRow("large input " + std::to_string(digits / 1000) + "k digits (median of 3)", "ms",
                           Median(ours), Median(floor), 1.1);
        if (!right)
        {
            row.verdict = Verdict::Missed;
            row.note = "a link was wrong or missing";
        }
        rows.push_back(row);
    }
    OleUninitialize();
}

void AddSize(const Options& options, std::vector<Row>& rows)
{
    Row row = {"executable size (stripped i686 release)",
               "bytes",
               options.exeBytes,
               options.floorExeBytes,
               "ours <= 65536",
               Verdict::NotMeasured,
               "floor: a message box alone, same flags"};
    if (options.exeBytes > 0)
        row.verdict = options.exeBytes <= 65536 ? Verdict::Met : Verdict::Missed;
    rows.push_back(row);
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    const Options options = ParseOptions(argc, argv);
    std::vector<Row> rows;
    MeasureStartups(options, rows);
    MeasureConversions(options, rows);
    Progress("large input: 100,000 and 300,000 digits");
    MeasureLargeInput(rows);
    AddSize(options, rows);

    std::printf("machine: %s\n", options.machine.c_str());
    PrintTable(rows);
    if (!WriteJson(rows, options.machine, options.jsonPath))
    {
        std::fprintf(stderr, "could not write %ls\n", options.jsonPath.c_str());
        return 1;
    }
    std::printf("\nJSON: %ls\n", options.jsonPath.c_str());
    return 0;
}
