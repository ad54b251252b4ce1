// What Renderer::repaintGraph keeps of the picture it drew last, and how the next one moves.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <ploxen/render/PlotLayout.h>
#include <ploxen/render/Renderer.h>

struct Renderer::Frame {
    HDC dc = nullptr;
    HGDIOBJ bitmap = nullptr;
    RECT client{};
    int background = 0;
    const GcGraphConfig* cfg = nullptr;
    int type = 0, superpose = 0, singleVaxis = 0;
    std::optional<PlotLayout> lay;
    struct Line {
        const GcGLine* line;
        const Vertex2D* vertex;
        const LineIndex* index;
        std::uint64_t updates;
        int count; // vertices
        int color[3], lineStyle, markType, lineWidth;
        VerticalRange range;
        int strip;
    };
    std::vector<Line> lines;
    std::vector<int> marks; // the horizontal graduation marks drawn (see m_marks)
};

// The move from one frame to the next: k columns left; device columns left..right - 1 of rows
// top..bottom - 1 are taken from the old picture, k columns further right.
struct Renderer::Scroll {
    int k = 0;
    RECT kept{};
    double seriesMargin = 0; // columns a series' pen reaches beside its one-pixel line
};
