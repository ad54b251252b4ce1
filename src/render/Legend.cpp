#include <ploxen/render/DrawState.h>
#include <ploxen/render/LayoutConstants.h>

#include <algorithm>

// In the right margin beside each strip, one entry per series: a line sample in the series'
// pen and its name in its colour. Stacked graphs start a list at the top of their own strip;
// superposed graphs continue one list.
void Renderer::drawLegend(const DrawState& st) {
    const PlotLayout& p = st.lay;
    const double a = layout::legendIndent * p.rm;
    const int sampleLeft = p.rnd(p.R + a), sampleRight = p.rnd(p.R + a + p.sample);
    const int nameLeft = p.rnd(p.R + a + p.sample + layout::legendNameGap);
    double off = 0;
    for (int g = 0; g < st.cfg.ngraph; ++g) {
        const int k = p.strip(g);
        if (!p.superpose) off = 0;
        double sT = p.stripTop(k), sB = p.stripBottom(k);
        if (sT > p.B || sB < p.T) continue;
        sT = std::max(sT, p.T);
        sB = std::min(sB, p.B);

        CRgn clip;
        clip.CreateRectRgn(p.rnd(p.R), p.rnd(sT), p.rnd(p.R + p.rm), p.rnd(sB));
        st.dc->SelectClipRgn(&clip);
        clip.DeleteObject();

        for (int i = 0; i < st.nline(g); ++i) {
            const GcGLine& line = st.cfg.graph[g].line[i];
            const int* c = line.color;
            CString name = st.fieldText(line.name);
            const CSize e = st.extent(name);
            const int yi = p.rnd(sT + off);
            off += e.cy;
            PolylineA(st.dc, sampleLeft, yi + e.cy / 2, sampleRight, yi + e.cy / 2, c[0], c[1],
                      c[2], line.lineStyle, -1, line.lineWidth);
            TextOutA(st.dc, name.GetBuffer(), nameLeft, yi, c[0], c[1], c[2]);
        }
    }
}
