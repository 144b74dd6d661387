#pragma once

#include <windows.h>

#include <cstddef>

#include "app/texts.h"

// The main window's fixed settings and its controls, read by the code that creates them and
// by the tests that check them.

// Control ids double as the controls' names in code.
enum ControlId : int
{
    编辑框_群号码 = 100,   // group-number box
    按钮_转换 = 110,       // Convert button
    编辑框_转换完毕 = 120, // result box
    透明标签1 = 130,       // hint label
};

inline constexpr char kMainWindowClass[] = "VantorelMainWindow";
inline constexpr char kLabelClass[] = "VantorelTransparentLabel";
inline constexpr char kDefaultIconName[] = "DEFAULT_ICON";

struct MainWindowSettings
{
    const char* className;
    const char* title;
    int width;
    int height;
    DWORD style;
    DWORD exStyle;
    UINT classStyle;
};

inline constexpr MainWindowSettings kMainWindow = {
    kMainWindowClass,
    kMainWindowTitle,
    374,
    175,
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
    0,
    CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS,
};

inline constexpr UINT kLabelClassStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;

enum class ControlKind
{
    SingleLineEdit,
    MultiLineEdit,
    PushButton,
    Label,
};

struct ControlLayout
{
    ControlId id;
    ControlKind kind;
    const char* className;
    const char* text;
    int left;
    int top;
    int width;
    int height;
    DWORD style;
    DWORD exStyle;           // given to CreateWindowEx
    DWORD exStyleAfterwards; // added once the control exists
};

inline constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS;

// In creation order.
inline constexpr ControlLayout kControls[] = {
    {编辑框_群号码, ControlKind::SingleLineEdit, "EDIT", "", 8, 8, 264, 32,
     kChildStyle | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, 0, WS_EX_CLIENTEDGE},
    {按钮_转换, ControlKind::PushButton, "BUTTON", kConvertButtonCaption, 280, 8, 80, 32,
     kChildStyle | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0, 0},
    {编辑框_转换完毕, ControlKind::MultiLineEdit, "EDIT", "", 8, 48, 352, 56,
     kChildStyle | WS_TABSTOP | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, WS_EX_CLIENTEDGE},
    {透明标签1, ControlKind::Label, kLabelClass, kHintLabelText, 8, 112, 352, 24, kChildStyle, WS_EX_TRANSPARENT, 0},
};

inline constexpr std::size_t kControlCount = sizeof(kControls) / sizeof(kControls[0]);

// Top to bottom.
inline constexpr ControlId kZOrder[] = {透明标签1, 编辑框_转换完毕, 按钮_转换, 编辑框_群号码};

// The controls that take the focus, in the order Tab visits them.
inline constexpr ControlId kTabOrder[] = {编辑框_群号码, 按钮_转换, 编辑框_转换完毕};
inline constexpr std::size_t kTabStopCount = sizeof(kTabOrder) / sizeof(kTabOrder[0]);

// Edit boxes show black text on white.
inline constexpr COLORREF kEditTextColour = RGB(0, 0, 0);
inline constexpr COLORREF kEditBackColour = RGB(255, 255, 255);
inline constexpr COLORREF kLabelTextColour = RGB(0, 0, 0);

// The window is centred on the primary screen; C++ division truncates toward zero.
constexpr POINT CentredWindowOrigin(int screenWidth, int screenHeight)
{
    return POINT{(screenWidth - kMainWindow.width) / 2, (screenHeight - kMainWindow.height) / 2};
}
