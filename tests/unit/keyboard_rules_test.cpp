#include "app/keyboard_rules.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace
{
struct KeyCodeCase
{
    unsigned virtualKey;
    int keyCode;
};

TEST(KeyCode, IsTheLowByteWithKeypadDigitsAsDigits)
{
    const KeyCodeCase cases[] = {
        {VK_RETURN, 13},   {VK_TAB, 9},       {VK_ESCAPE, 27},   {'A', 'A'},          {'7', '7'},
        {VK_NUMPAD0, '0'}, {VK_NUMPAD9, '9'}, {VK_NUMPAD5, '5'}, {VK_MULTIPLY, 0x6A}, {0x1FF, 0xFF},
    };
    for (const KeyCodeCase& c : cases)
        EXPECT_EQ(KeyCodeFromVirtualKey(c.virtualKey), c.keyCode) << "virtual key " << c.virtualKey;
}

TEST(ModifierMask, CombinesHeldModifiers)
{
    EXPECT_EQ(ModifierMask(VK_RETURN, false, false, false), 0);
    EXPECT_EQ(ModifierMask(VK_RETURN, true, false, false), kModifierCtrl);
    EXPECT_EQ(ModifierMask(VK_RETURN, false, true, false), kModifierShift);
    EXPECT_EQ(ModifierMask(VK_RETURN, false, false, true), kModifierAlt);
    EXPECT_EQ(ModifierMask(VK_RETURN, true, true, true), kModifierCtrl | kModifierShift | kModifierAlt);
}

TEST(ModifierMask, AModifierKeyDoesNotSetItsOwnBit)
{
    EXPECT_EQ(ModifierMask(VK_CONTROL, true, false, false), 0);
    EXPECT_EQ(ModifierMask(VK_LCONTROL, true, true, false), kModifierShift);
    EXPECT_EQ(ModifierMask(VK_SHIFT, true, true, false), kModifierCtrl);
    EXPECT_EQ(ModifierMask(VK_RSHIFT, false, true, true), kModifierAlt);
    EXPECT_EQ(ModifierMask(VK_MENU, false, false, true), 0);
    EXPECT_EQ(ModifierMask(VK_LMENU, true, false, true), kModifierCtrl);
}

struct ActionCase
{
    int keyCode;
    int modifiers;
    WindowKeyAction action;
};

TEST(WindowKeyAction, TakesOnlyPlainTabShiftTabAndPlainEsc)
{
    const ActionCase cases[] = {
        {kKeyTab, 0, WindowKeyAction::FocusNext},
        {kKeyTab, kModifierShift, WindowKeyAction::FocusPrevious},
        {kKeyTab, kModifierCtrl, WindowKeyAction::None},
        {kKeyTab, kModifierAlt, WindowKeyAction::None},
        {kKeyTab, kModifierCtrl | kModifierShift, WindowKeyAction::None},
        {kKeyEscape, 0, WindowKeyAction::CloseWindow},
        {kKeyEscape, kModifierShift, WindowKeyAction::None},
        {kKeyEscape, kModifierCtrl, WindowKeyAction::None},
        {kKeyEscape, kModifierAlt, WindowKeyAction::None},
        {kKeyEnter, 0, WindowKeyAction::None},
        {kKeyEnter, kModifierCtrl, WindowKeyAction::None},
        {'A', 0, WindowKeyAction::None},
    };
    for (const ActionCase& c : cases)
        EXPECT_EQ(WindowKeyActionFor(c.keyCode, c.modifiers), c.action)
            << "key " << c.keyCode << " modifiers " << c.modifiers;
}

TEST(NextTabStop, CyclesForwardAndBackward)
{
    const bool all[] = {true, true, true};
    EXPECT_EQ(NextTabStop(0, +1, all, 3), 1u);
    EXPECT_EQ(NextTabStop(1, +1, all, 3), 2u);
    EXPECT_EQ(NextTabStop(2, +1, all, 3), 0u);
    EXPECT_EQ(NextTabStop(0, -1, all, 3), 2u);
    EXPECT_EQ(NextTabStop(2, -1, all, 3), 1u);
}

TEST(NextTabStop, SkipsStopsThatCannotTakeTheFocus)
{
    const bool middleOff[] = {true, false, true};
    EXPECT_EQ(NextTabStop(0, +1, middleOff, 3), 2u);
    EXPECT_EQ(NextTabStop(2, -1, middleOff, 3), 0u);
    const bool onlyOne[] = {false, true, false};
    EXPECT_EQ(NextTabStop(1, +1, onlyOne, 3), 1u);
    const bool none[] = {false, false, false};
    EXPECT_EQ(NextTabStop(0, +1, none, 3), 3u);
}

TEST(NextTabStop, WithNothingFocusedStartsAtAnEnd)
{
    const bool all[] = {true, true, true};
    EXPECT_EQ(NextTabStop(3, +1, all, 3), 0u);
    EXPECT_EQ(NextTabStop(3, -1, all, 3), 2u);
    const bool firstOff[] = {false, true, true};
    EXPECT_EQ(NextTabStop(3, +1, firstOff, 3), 1u);
}
} // namespace
