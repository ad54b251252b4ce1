// A memory device context over a bitmap of its own, for tests that look at pixels.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/afx/TraceSink.h"
#include "platform/gdi/CDC.h"

using Pixels = std::set<std::pair<int, int>>;
using Lines = std::vector<std::string>; // trace lines

class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height) {
        HDC h = CreateCompatibleDC(nullptr);
        m_bitmap = CreateCompatibleBitmap(h, width, height);
        SelectObject(h, m_bitmap);
        dc.Attach(h);
    }
    ~Canvas() {
        dc.DeleteDC();
        DeleteObject(m_bitmap);
    }

    // Every pixel, row by row from the top.
    std::vector<COLORREF> pixels() const {
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), m_width, -m_height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        std::vector<unsigned char> bits(size_t(m_width) * size_t(m_height) * 4);
        GetDIBits(dc.m_hDC, m_bitmap, 0, UINT(m_height), bits.data(), &info, DIB_RGB_COLORS);
        std::vector<COLORREF> out;
        for (size_t i = 0; i < bits.size(); i += 4)
            out.push_back(RGB(bits[i + 2], bits[i + 1], bits[i]));
        return out;
    }

    // The (x, y) of every pixel of that colour; by default of every pixel that is not black, the
    // colour a fresh bitmap starts with.
    Pixels drawn(COLORREF colour = CLR_INVALID) const {
        Pixels out;
        const std::vector<COLORREF> all = pixels();
        for (size_t i = 0; i < all.size(); ++i)
            if (colour == CLR_INVALID ? all[i] != RGB(0, 0, 0) : all[i] == colour)
                out.insert({int(i % size_t(m_width)), int(i / size_t(m_width))});
        return out;
    }

    CDC dc;

private:
    int m_width, m_height;
    HBITMAP m_bitmap;
};

// The pixels on the edges of the rectangle from (x0, y0) to (x1, y1), both corners included.
inline Pixels outline(int x0, int y0, int x1, int y1) {
    Pixels out;
    for (int x = x0; x <= x1; ++x) out.insert({x, y0}), out.insert({x, y1});
    for (int y = y0; y <= y1; ++y) out.insert({x0, y}), out.insert({x1, y});
    return out;
}

// A canvas holding a host pen, brush, text colour and exclusive-or mode, recording its calls.
struct TracedCanvas : Canvas {
    TracedCanvas() : Canvas(40, 40) {
        dc.SelectObject(&hostPen);
        dc.SelectObject(&hostBrush);
        dc.SetROP2(R2_XORPEN);
        dc.SetTextColor(RGB(1, 1, 1));
        dc.setTrace(&sink);
    }
    CPen hostPen{PS_DOT, 1, RGB(1, 2, 3)};
    CBrush hostBrush{RGB(4, 5, 6)};
    TraceSink sink;
};
