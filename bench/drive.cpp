#include "bench/drive.h"

#include "bench/clock.h"
#include "tests/e2e/driver.h"

namespace
{
constexpr DWORD kPollMs = 1;
constexpr double kStepTimeoutMs = 30000;

HWND VisibleNotice(DWORD processId)
{
    for (HWND window : e2e::TopLevelWindows(processId))
        if (e2e::ClassName(window) == L"#32770" && IsWindowVisible(window))
            return window;
    return nullptr;
}

HWND MainWindow(DWORD processId, const std::wstring& windowClass)
{
    for (HWND window : e2e::TopLevelWindows(processId))
        if (e2e::ClassName(window) == windowClass)
            return window;
    return nullptr;
}

// Polls every millisecond until `found` gives a window, or the step times out.
HWND PollFor(const std::function<HWND()>& found)
{
    const Stopwatch stopwatch;
    for (;;)
    {
        if (HWND window = found())
            return window;
        if (stopwatch.ElapsedMs() > kStepTimeoutMs)
            return nullptr;
        Sleep(kPollMs);
    }
}

bool PressNoticeOk(HWND notice)
{
    HWND ok = GetDlgItem(notice, IDOK);
    if (!ok)
        ok = GetDlgItem(notice, IDCANCEL);
    return ok && PostMessageW(ok, BM_CLICK, 0, 0);
}

HWND VisibleMainWindow(const e2e::Program& program, const std::wstring& windowClass)
{
    HWND window = MainWindow(program.ProcessId(), windowClass);
    return window && IsWindowVisible(window) ? window : nullptr;
}

HWND StartToWindow(const e2e::Program& program, const Subject& subject)
{
    HWND notice = PollFor([&] { return VisibleNotice(program.ProcessId()); });
    if (!notice || !PressNoticeOk(notice))
        return nullptr;
    HWND window = PollFor([&] { return VisibleMainWindow(program, subject.windowClass); });
    if (window)
        e2e::Sync(window);
    return window;
}

void Close(e2e::Program& program, HWND window)
{
    DWORD exitCode = 0;
    if (window)
        PostMessageW(window, WM_CLOSE, 0, 0);
    program.WaitForExit(exitCode, 10000);
}

// Sends WM_GETTEXT until the box holds `expected`. While the program converts,
// its thread does not take sent messages, so each call returns as soon as it is
// back in its loop. One message per look: a second one (the length, then the
// text) would wait behind whatever the program does next, its paint of the new
// link, and so time part of that paint, more or less of it by chance.
bool WaitForText(HWND box, const std::wstring& expected)
{
    // Room for one character more than expected, so a longer text never reads as equal.
    std::wstring text(expected.size() + 2, L'\0');
    const Stopwatch stopwatch;
    while (stopwatch.ElapsedMs() < kStepTimeoutMs)
    {
        DWORD_PTR length = 0;
        if (SendMessageTimeoutW(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, 10000,
                                &length) &&
            length == expected.size() && text.compare(0, length, expected) == 0)
            return true;
    }
    return false;
}
} // namespace

std::wstring ExpectedLink(const std::wstring& groupNumber)
{
    const std::wstring payload = L"{\"ExtParam\":{\"appId\": \"21\"},\"groupUin\":" + groupNumber + L",\"visitor\":1}";
    static const wchar_t digits[] = L"0123456789ABCDEF";
    std::wstring link = L"tencent://groupwpa/?subcmd=all&fuin=undefined&param=";
    for (wchar_t unit : payload)
    {
        link += digits[(unit >> 4) & 0xF];
        link += digits[unit & 0xF];
    }
    return link;
}

std::wstring GroupNumberFor(int index)
{
    // A fixed sequence, so every run and every subject converts the same numbers.
    unsigned long long value = 1469598103ull + 2654435761ull * static_cast<unsigned>(index + 1);
    const int digitCount = 5 + index % 6;
    std::wstring number;
    for (int i = 0; i < digitCount; ++i, value /= 10)
        number += static_cast<wchar_t>(L'0' + value % 10);
    if (number[0] == L'0')
        number[0] = L'1';
    return number;
}

StartupTimes MeasureStartup(const Subject& subject)
{
    StartupTimes times;
    const Stopwatch sinceStart;
    e2e::Program program(subject.exePath);
    if (!program.Started())
        return times;
    HWND notice = PollFor([&] { return VisibleNotice(program.ProcessId()); });
    times.toNoticeMs = sinceStart.ElapsedMs();
    if (!notice)
        return times;
    const Stopwatch sinceDismissed;
    if (!PressNoticeOk(notice))
        return times;
    HWND window = PollFor([&] { return VisibleMainWindow(program, subject.windowClass); });
    times.toWindowMs = sinceDismissed.ElapsedMs();
    times.ok = window != nullptr;
    Close(program, window);
    return times;
}

ConversionSession::ConversionSession(const Subject& subject) : m_program(subject.exePath)
{
    m_window = m_program.Started() ? StartToWindow(m_program, subject) : nullptr;
    if (!m_window)
        return;
    m_groupBox = GetDlgItem(m_window, subject.groupBoxId);
    m_resultBox = GetDlgItem(m_window, subject.resultBoxId);
}

ConversionSession::~ConversionSession()
{
    Close(m_program, m_window);
}

double ConversionSession::Convert(const std::wstring& groupNumber)
{
    if (!m_groupBox || !m_resultBox)
        return -1;
    const std::wstring expected = ExpectedLink(groupNumber);
    SendMessageW(m_groupBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(groupNumber.c_str()));
    // Paints still due from the last conversion and the new number would otherwise fall into
    // this one's time, more or less of them as the two processes happen to interleave.
    RedrawWindow(m_window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    e2e::Sync(m_window);
    const Stopwatch stopwatch;
    PostMessageW(m_groupBox, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    if (!WaitForText(m_resultBox, expected))
        return -1;
    const double elapsedMs = stopwatch.ElapsedMs();
    // The key-up a real Enter would bring, so the program's keyboard state stays
    // as after typing.
    PostMessageW(m_groupBox, WM_KEYUP, VK_RETURN, 0xC01C0001);
    e2e::Sync(m_window);
    return elapsedMs;
}

ProcessFigures ConversionSession::Measure() const
{
    return MeasureProcess(m_program.Process(), m_program.ProcessId());
}

std::vector<ConversionRun> RunConversions(const std::vector<Subject>& subjects, int count, int warmCount,
                                          const std::function<void(int)>& progress)
{
    std::vector<std::unique_ptr<ConversionSession>> sessions;
    std::vector<ConversionRun> runs(subjects.size());
    for (const Subject& subject : subjects)
        sessions.push_back(std::make_unique<ConversionSession>(subject));
    for (ConversionRun& run : runs)
    {
        run.warmCount = warmCount;
        run.latenciesMs.reserve(static_cast<std::size_t>(count));
    }
    for (int i = 0; i < count; ++i)
    {
        const std::wstring number = GroupNumberFor(i);
        bool anyRunning = false;
        for (std::size_t s = 0; s < sessions.size(); ++s)
        {
            ConversionRun& run = runs[s];
            if (run.failedAt)
                continue;
            const double latencyMs = sessions[s]->Convert(number);
            if (latencyMs < 0)
            {
                run.failedAt = i + 1;
                continue;
            }
            anyRunning = true;
            run.latenciesMs.push_back(latencyMs);
            if (i + 1 == warmCount)
                run.atWarm = sessions[s]->Measure();
        }
        if (!anyRunning)
            break;
        if ((i + 1) % 50 == 0)
            progress(i + 1);
    }
    for (std::size_t s = 0; s < sessions.size(); ++s)
    {
        runs[s].endCount = static_cast<int>(runs[s].latenciesMs.size());
        runs[s].atEnd = sessions[s]->Measure();
    }
    return runs;
}
