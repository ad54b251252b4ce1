// A memory device context over a bitmap of its own, for tests that look at pixels.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/CDC.h"
#include "platform/TraceSink.h"

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

    int width() const { return m_width; }
    int height() const { return m_height; }

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

    // The (x, y) of every pixel that is not black, the colour a fresh bitmap starts with.
    std::set<std::pair<int, int>> drawn() const {
        std::set<std::pair<int, int>> out;
        std::vector<COLORREF> all = pixels();
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (all[size_t(y) * size_t(m_width) + size_t(x)] != RGB(0, 0, 0))
                    out.insert({x, y});
        return out;
    }

    CDC dc;

private:
    int m_width, m_height;
    HBITMAP m_bitmap;
};

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

inline const std::string kHostPen = "SelectObject(pen(2,1,RGB(1,2,3)))";
inline const std::string kHostBrush = "SelectObject(brush(RGB(4,5,6)))";
