// What the shown main window looks like from outside: its frame, its four controls, their
// order, fonts and drawing, and the single-line box's centred text line.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "app/window_layout.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/shell_helpers.h"

namespace
{
using e2e::Program;
using namespace shell;

class MainWindowLayout : public ::testing::Test
{
  protected:
    void SetUp() override { ASSERT_NE(m_program.StartToMainWindow(), nullptr); }
    void TearDown() override { CloseAndExpectCleanExit(m_program); }

    HWND Main() const { return m_program.MainWindow(); }
    HWND Control(int id) const { return m_program.Control(id); }

    Program m_program{e2e::BesideTests(kProbeExe)};
};

TEST_F(MainWindowLayout, WindowHasAFixedFrameAndNoExtendedStylesOfItsOwn)
{
    const LONG style = GetWindowLongW(Main(), GWL_STYLE);
    const LONG wanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE;
    EXPECT_EQ(style & wanted, wanted);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_POPUP | WS_CHILD | WS_DISABLED), 0);
    EXPECT_EQ(static_cast<DWORD>(style) & kMainWindow.style, kMainWindow.style);
    // The system adds the raised edge to every captioned window; nothing else may be there.
    EXPECT_EQ(GetWindowLongW(Main(), GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetParent(Main()), nullptr);
    EXPECT_EQ(GetWindow(Main(), GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(Main()), nullptr);
    EXPECT_EQ(GetClassLongW(Main(), GCL_STYLE), CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS);
}

struct ExpectedControl
{
    int id;
    const wchar_t* className;
    RECT rect;
    const wchar_t* text;
    DWORD exStyle;
    DWORD forbiddenStyle;
};

TEST_F(MainWindowLayout, ControlsHaveTheirClassesPlacesStylesAndTexts)
{
    const DWORD noScrollBars = WS_HSCROLL | WS_VSCROLL;
    const DWORD editExtras = ES_READONLY | ES_NOHIDESEL | ES_UPPERCASE | ES_LOWERCASE | ES_NUMBER | ES_PASSWORD;
    const ExpectedControl expected[] = {
        {100, L"Edit", {8, 8, 272, 40}, L"", WS_EX_CLIENTEDGE, noScrollBars | editExtras | ES_MULTILINE},
        {110, L"Button", {280, 8, 360, 40}, L"转换", 0, BS_DEFPUSHBUTTON | BS_ICON | BS_BITMAP},
        {120, L"Edit", {8, 48, 360, 104}, L"", WS_EX_CLIENTEDGE, noScrollBars | editExtras | ES_AUTOHSCROLL},
        {130,
         L"VantorelTransparentLabel",
         {8, 112, 360, 136},
         L"把群号码输入，回车转换成加\r\n群链接，可以用此方法来打开群窗口",
         WS_EX_TRANSPARENT,
         WS_TABSTOP},
    };
    for (const ExpectedControl& control : expected)
    {
        SCOPED_TRACE(control.id);
        HWND window = Control(control.id);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(_wcsicmp(e2e::ClassName(window).c_str(), control.className), 0) << e2e::ClassName(window).size();
        const RECT rect = e2e::ChildRect(window);
        EXPECT_EQ(rect.left, control.rect.left);
        EXPECT_EQ(rect.top, control.rect.top);
        EXPECT_EQ(rect.right, control.rect.right);
        EXPECT_EQ(rect.bottom, control.rect.bottom);
        EXPECT_EQ(e2e::WindowText(window), control.text);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), control.exStyle);

        const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
        const ControlLayout* layout = nullptr;
        for (const ControlLayout& candidate : kControls)
            if (candidate.id == control.id)
                layout = &candidate;
        ASSERT_NE(layout, nullptr);
        EXPECT_EQ(style, layout->style | WS_VISIBLE);
        EXPECT_EQ(style & (WS_CHILD | WS_CLIPSIBLINGS), static_cast<DWORD>(WS_CHILD | WS_CLIPSIBLINGS));
        EXPECT_EQ(style & (control.forbiddenStyle | WS_DISABLED), 0u);
    }
}

TEST_F(MainWindowLayout, ZOrderIsLabelResultBoxButtonGroupBox)
{
    std::vector<int> ids;
    for (HWND child : e2e::ChildrenInZOrder(Main()))
        ids.push_back(GetDlgCtrlID(child));
    EXPECT_EQ(ids, (std::vector<int>{130, 120, 110, 100}));
    EXPECT_EQ(ids, (std::vector<int>(std::begin(kZOrder), std::end(kZOrder))));
}

// The advance of `text` in one of the system's stock fonts, measured here.
int StockFontWidth(int stockFont, const std::wstring& text)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(stockFont));
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

int StockFontLineHeight(int stockFont)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(stockFont));
    SIZE size = {};
    GetTextExtentPoint32W(dc, L"W", 1, &size);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return size.cy;
}

// WM_GETFONT answers 0 to another process under Wine, so the font is read from where the box
// puts its characters: the distance between the first and the last is the text's advance.
TEST_F(MainWindowLayout, EditBoxesSetTheirTextInTheGuiFont)
{
    const std::wstring text = L"Vantorel12345";
    const std::wstring measured = text.substr(0, text.size() - 1);
    ASSERT_NE(StockFontWidth(DEFAULT_GUI_FONT, measured), StockFontWidth(SYSTEM_FONT, measured))
        << "the fonts must differ for this check to mean anything";
    for (int id : {kGroupBox, kResultBox})
    {
        SCOPED_TRACE(id);
        HWND box = Control(id);
        ASSERT_TRUE(SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())));
        const auto first = static_cast<DWORD>(SendMessageW(box, EM_POSFROMCHAR, 0, 0));
        const auto last = static_cast<DWORD>(SendMessageW(box, EM_POSFROMCHAR, text.size() - 1, 0));
        EXPECT_EQ(static_cast<short>(LOWORD(last)) - static_cast<short>(LOWORD(first)),
                  StockFontWidth(DEFAULT_GUI_FONT, measured));
    }
}

// Where a box's text line lies on the screen: its window rectangle, and the top and height of
// its client area.
struct BoxLine
{
    RECT window;
    int lineTop;
    int lineHeight;
};

BoxLine LineOf(HWND box)
{
    BoxLine line = {};
    GetWindowRect(box, &line.window);
    RECT client;
    GetClientRect(box, &client);
    POINT clientOrigin = {0, 0};
    ClientToScreen(box, &clientOrigin);
    line.lineTop = clientOrigin.y;
    line.lineHeight = client.bottom - client.top;
    return line;
}

TEST_F(MainWindowLayout, GroupBoxShowsOneTextLineInTheMiddleOfItsHeight)
{
    const BoxLine box = LineOf(Control(kGroupBox));
    const int line = StockFontLineHeight(DEFAULT_GUI_FONT);
    const int edge = GetSystemMetrics(SM_CYEDGE);
    const int innerHeight = 32 - 2 * edge;
    EXPECT_EQ(box.lineHeight, line);
    EXPECT_EQ(box.lineTop - box.window.top, edge + (innerHeight - line) / 2);
}

TEST_F(MainWindowLayout, ClickAboveOrBelowTheGroupBoxLineLeavesTheCaret)
{
    ASSERT_TRUE(SettleInput(m_program));
    e2e::TypeText(L"12345678");
    HWND box = Control(kGroupBox);
    ASSERT_TRUE(WaitForText(box, L"12345678"));
    SendMessageW(box, EM_SETSEL, 2, 2);

    const BoxLine line = LineOf(box);
    const RECT& window = line.window;
    const int x = window.left + (window.right - window.left) / 2;
    for (int y : {(window.top + line.lineTop) / 2 + 1, (line.lineTop + line.lineHeight + window.bottom) / 2})
    {
        POINT point = {x, y};
        ScreenToClient(Main(), &point);
        e2e::ClickClient(Main(), point);
        // The click is handled once the program answers again after it; the caret stays put.
        e2e::Sync(Main());
        EXPECT_EQ(LOWORD(SendMessageW(box, EM_GETSEL, 0, 0)), 2) << "click at y " << y;
    }
    // A click on the line itself does move the caret, to the end of the text.
    POINT onLine = {x, line.lineTop + line.lineHeight / 2};
    ScreenToClient(Main(), &onLine);
    e2e::ClickClient(Main(), onLine);
    EXPECT_TRUE(e2e::WaitUntil([&] { return LOWORD(SendMessageW(box, EM_GETSEL, 0, 0)) == 8; }));
}

bool IsDark(COLORREF colour)
{
    return GetRValue(colour) < 96 && GetGValue(colour) < 96 && GetBValue(colour) < 96;
}

TEST_F(MainWindowLayout, LabelDrawsItsTextOnOneLineInBlackOnTheFaceColour)
{
    ASSERT_TRUE(e2e::BringToFront(Main()));
    const RECT label = e2e::ChildRect(Control(kHintLabel));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    e2e::PixelArea area;
    // The window surface reaches the screen a moment after painting.
    ASSERT_TRUE(e2e::WaitUntil([&] {
        area = e2e::CaptureClientArea(Main(), label);
        for (COLORREF pixel : area.pixels)
            if (IsDark(pixel))
                return true;
        return false;
    }));

    int inkTop = area.height;
    int inkBottom = -1;
    int blackPixels = 0;
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x)
        {
            const COLORREF pixel = area.At(x, y);
            if (pixel == face)
                continue;
            EXPECT_LE(GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel),
                      GetRValue(face) + GetGValue(face) + GetBValue(face))
                << "only dark text on the face colour, at " << x << "," << y;
            inkTop = std::min(inkTop, y);
            inkBottom = std::max(inkBottom, y);
            blackPixels += IsDark(pixel) ? 1 : 0;
        }
    EXPECT_GT(blackPixels, 0);
    // One line: the ink is no taller than a line of the font and sits around the middle.
    EXPECT_LT(inkBottom - inkTop, StockFontLineHeight(DEFAULT_GUI_FONT));
    EXPECT_LE(inkTop, area.height / 2);
    EXPECT_GE(inkBottom, area.height / 2);
    EXPECT_EQ(area.At(0, 0), face);
    EXPECT_EQ(area.At(area.width - 1, area.height - 1), face);
}
} // namespace
