#pragma once

// Where a window of `size` starts so that it is centred on a screen of `screen` pixels. The
// division truncates toward zero, so a window wider than the screen starts left of it.
constexpr int CentredStart(int screen, int size) {
    return (screen - size) / 2;
}

struct VerticalBand {
    int top;
    int bottom;
};

// The client area of a one-line edit box: one text line, centred between `top` and `bottom`.
// What is left above and below belongs to the frame.
constexpr VerticalBand CentredTextLine(int top, int bottom, int line_height) {
    const int line_top = top + (bottom - top - line_height) / 2;
    return {line_top, line_top + line_height};
}
