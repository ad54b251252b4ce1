#include "BlockRanges.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

namespace {

struct Span {
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();
    double width() const { return max - min; }
};

Span spanOf(const CsvGraph& graph) {
    Span s;
    for (const CsvSeries& series : graph.series)
        for (const Vertex2D& p : series.points)
            if (std::isfinite(p.x)) s.min = std::min(s.min, p.x), s.max = std::max(s.max, p.x);
    return s;
}

} // namespace

std::string farApartBlocks(const std::vector<CsvGraph>& graphs) {
    if (graphs.size() < 2) return {};
    std::vector<Span> spans;
    Span all;
    for (const CsvGraph& g : graphs) {
        spans.push_back(spanOf(g));
        all.min = std::min(all.min, spans.back().min);
        all.max = std::max(all.max, spans.back().max);
    }
    if (!(all.width() > 0) || !std::isfinite(all.width())) return {};
    // Blocks of one x value (or none) are no wider anywhere: they are left out.
    size_t narrowest = graphs.size();
    for (size_t g = 0; g < spans.size(); ++g)
        if (spans[g].width() > 0 &&
            (narrowest == graphs.size() || spans[g].width() < spans[narrowest].width()))
            narrowest = g;
    if (narrowest == graphs.size() || spans[narrowest].width() >= 0.5 * all.width()) return {};
    const Span& s = spans[narrowest];
    std::ostringstream text;
    text.imbue(std::locale::classic()); // a point in every number
    text << "the block at line " << graphs[narrowest].line << " spans x " << s.min << " to "
         << s.max << ", and shares one horizontal axis (" << all.min << " to " << all.max
         << ") with the other blocks; to plot them apart, pick columns with -c or put each "
            "block in a file of its own";
    return text.str();
}
