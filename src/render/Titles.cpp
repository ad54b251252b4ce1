#include <ploxen/render/DrawState.h>
#include <ploxen/render/LayoutConstants.h>

// The configuration's horizontal title under the plot, its vertical title at the top of the
// left margin, and one rotated title per vertical axis beside the middle of its strip.
void Renderer::drawTitles(const DrawState& st) {
    const PlotLayout& p = st.lay;
    const int* fg = st.fg;
    CString text = st.fieldText(st.cfg.htitle);
    CSize e = st.extent(text);
    TextOutA(st.dc, text.GetBuffer(), p.rnd(p.L + layout::titleAcross * p.pw) - e.cx / 2,
             p.rnd(p.B + layout::titleDown * p.bm) - e.cy / 2, fg[0], fg[1], fg[2]);

    st.dc->SelectObject(st.verticalFont);
    text = st.fieldText(st.cfg.vtitle);
    e = st.extent(text);
    TextOutA(st.dc, text.GetBuffer(), p.rnd(p.L - layout::titleAcross * p.lm),
             p.rnd(p.T - layout::titleDown * p.tm) - e.cy / 2, fg[0], fg[1], fg[2]);

    for (int i = 0; i < st.naxis; ++i) {
        const double x = p.superpose && i >= 1 ? p.R + layout::graphTitleOut * p.lm
                                               : p.L - layout::graphTitleOut * p.lm;
        const double yc = p.superpose ? p.oy + 0.5 * p.ph : (i + 0.5) * p.gh + p.oy;
        const double y = p.B - yc * p.zy;
        if (!(p.T < y && y < p.B)) continue;
        text = st.fieldText(st.cfg.graph[i].vtitle);
        e = st.extent(text);
        TextOutA(st.dc, text.GetBuffer(), p.rnd(x) - e.cy / 2, p.rnd(y) + e.cx / 2, fg[0], fg[1],
                 fg[2]);
    }
    st.dc->SelectObject(st.textFont);
}
