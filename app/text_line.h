#pragma once

// The single-line box shows its text in one line centred in its height.
struct LineBand
{
    int top;
    int bottom;
};

// The band of height `lineHeight` centred between `clientTop` and `clientBottom`; the offset
// is truncated toward zero, so an odd leftover pixel goes below the line.
constexpr LineBand CentredTextLine(int clientTop, int clientBottom, int lineHeight)
{
    const int top = clientTop + (clientBottom - clientTop - lineHeight) / 2;
    return LineBand{top, top + lineHeight};
}
