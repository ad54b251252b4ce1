#include <ploxen/render/LayoutConstants.h>
#include <ploxen/render/TextFit.h>

#include <algorithm>

HFONT com_GLCreateTextFont(int width, int height) {
    return ::CreateFontA(layout::textHeight(width, height), 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0,
                         32, "FONT");
}

double com_GLLegendMargin(CDC* dc, const GcGraphConfig* config, int width, int height) {
    if (!dc || !config || width <= 0 || height <= 0) return 0;
    const GcGraphConfig& cfg = *config;
    CFont font;
    font.Attach(com_GLCreateTextFont(width, height));
    CFont* previous = dc->SelectObject(&font);
    int widest = 0, lineHeight = 0;
    for (int g = 0; g < cfg.ngraph && cfg.graph; ++g)
        for (int i = 0; cfg.graph[g].line && i < cfg.graph[g].nline; ++i) {
            const CSize e = dc->GetTextExtent(CString(cfg.graph[g].line[i].name));
            widest = std::max(widest, int(e.cx));
            lineHeight = std::max(lineHeight, int(e.cy));
        }
    dc->SelectObject(previous);
    font.DeleteObject();
    // The sample's length follows the plot's short side, which a wider margin can only shorten:
    // its length with the plot as wide as the left margin allows is enough. After the name, half
    // a line's height of room, so that it does not touch the picture's edge.
    const double ph = height * (1 - (cfg.bottomMargin + cfg.topMargin));
    const double sample = layout::legendSample * std::min(ph, width * (1 - cfg.leftMargin));
    const double needed =
        (sample + layout::legendNameGap + widest + lineHeight / 2) / (1 - layout::legendIndent);
    return needed / width;
}
