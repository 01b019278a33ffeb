// Points, sizes and rectangles in screen or window pixels.
#pragma once

namespace tv {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Left/top inclusive, right/bottom exclusive, as Windows rectangles are.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect from_size(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    Rect moved_to(int new_left, int new_top) const { return from_size(new_left, new_top, width(), height()); }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace tv
