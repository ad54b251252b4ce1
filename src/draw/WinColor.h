// A table of sixteen colours as red, green and blue ints, for client programs. Each object has
// its own table; getColor hands rows out through one buffer shared by all objects.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>

class AFX_EXT_CLASS WinColor {
public:
    enum COLOR {
        BLACK,
        WHITE,
        RED,
        GREEN,
        BLUE,
        YELLOW,
        MAGENTA,
        CYAN,
        GRAY,
        LIGHTGRAY,
        DARKRED,
        DARKGREEN,
        DARKBLUE,
        DARKYELLOW,
        DARKMAGENTA,
        DARKCYAN
    };

    WinColor() = default;
    WinColor(const WinColor&) = default;
    WinColor& operator=(const WinColor&) = default;

    // Copies the row into the shared three-int buffer and returns it; each later call, on any
    // object, overwrites it. Null for a row outside 0-15.
    int* getColor(int row) const;
    int* getColor(COLOR row) const { return getColor(int(row)); }
    // Stores the components unchecked; false (and nothing stored) for a row outside 0-15.
    bool setColor(int row, int red, int green, int blue);

private:
    static constexpr int kRows = 16;
    int m_table[kRows][3] = {{0, 0, 0},       {255, 255, 255}, {255, 0, 0},   {0, 255, 0},
                             {0, 0, 255},     {255, 255, 0},   {255, 0, 255}, {0, 255, 255},
                             {128, 128, 128}, {192, 192, 192}, {128, 0, 0},   {0, 128, 0},
                             {0, 0, 128},     {128, 128, 0},   {128, 0, 128}, {0, 128, 128}};
};
