#include <ploxen/model/GcGraphConfig.h>

#include <ploxen/model/CsvWriter.h>

namespace {

bool isFraction(double v) {
    return v >= 0 && v < 1;
}

} // namespace

GcGraphConfig::GcGraphConfig(int ngraph, GcGraph* graph, char* vtitle, char* htitle, double left,
                             double right, double bottom, double top, TYPE type)
    : type(type) {
    set(ngraph, graph, vtitle, htitle, left, right, bottom, top, type);
}

void GcGraphConfig::set(int ngraph, GcGraph* graph, char* vtitle, char* htitle, double left,
                        double right, double bottom, double top, TYPE type) {
    this->type = type;
    setGraph(ngraph, graph);
    setVtitle(vtitle);
    setHtitle(htitle);
    setMargin(left, right, bottom, top);
}

void GcGraphConfig::setGraph(int ngraph, GcGraph* graph) {
    const bool empty = ngraph < 1 || !graph;
    this->ngraph = empty ? 0 : ngraph;
    this->graph = empty ? nullptr : graph;
}

void GcGraphConfig::setMargin(double left, double right, double bottom, double top) {
    const bool valid = isFraction(left) && isFraction(right) && isFraction(bottom) &&
                       isFraction(top) && left + right < 1 && bottom + top < 1;
    leftMargin = valid ? left : 0.15;
    rightMargin = valid ? right : 0.15;
    bottomMargin = valid ? bottom : 0.15;
    topMargin = valid ? top : 0.15;
}

void GcGraphConfig::deleteContents() {
    if (!graph) return;
    for (int g = 0; g < ngraph; ++g) {
        GcGraph& frame = graph[g];
        if (!frame.line) continue;
        for (int s = 0; s < frame.nline; ++s) delete[] frame.line[s].vertex;
        delete[] frame.line;
    }
    delete[] graph;
    graph = nullptr;
    ngraph = 0;
}

void GcGraphConfig::writeCsv(FILE* stream) const {
    CsvWriter(stream).writeConfig(*this);
}

int GcGraphConfig::writeCsv(const char* path) const {
    return CsvWriter::toFile(path, [this](FILE* stream) { writeCsv(stream); });
}
