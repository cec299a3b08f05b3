#pragma once
// Where the window goes: centred on the work area's right and bottom edges.

struct FrameMetrics {
    int frameX;   // width of the left (and right) window frame
    int frameY;   // height of the top (and bottom) window frame
    int caption;  // height of the caption bar
};

struct WindowPlacement {
    int x, y, width, height;
};

constexpr int kClientWidth = 600;
constexpr int kClientHeight = 720;

// The outer window for a 600 x 720 client area. The work area's left and top are not used, and
// the halves are integer divisions truncating toward zero, exactly as the game has always done.
WindowPlacement CentreWindow(int workAreaRight, int workAreaBottom, const FrameMetrics& frame);
