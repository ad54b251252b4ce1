#include "render/Renderer.h"

#include "model/CsvWriter.h"

#include <new>

// The comment list is shared by a renderer and its copies and freed with the last of them.
Renderer::Renderer() : m_commentsOwner(new (std::nothrow) CommentList) {
    comments = m_commentsOwner.get();
}

Renderer::Renderer(const Renderer& other) = default;

Renderer& Renderer::operator=(const Renderer& other) = default;

Renderer::~Renderer() = default;

void Renderer::init(int width, int height) {
    setViewport(0, 0, width, height);
}

void Renderer::setViewport(int x, int y, int width, int height) {
    viewport[0] = x;
    viewport[1] = y;
    viewport[2] = width;
    viewport[3] = height;
}

void Renderer::getViewport(int* const out) const {
    for (int i = 0; i < 4; ++i) out[i] = viewport[i];
}

void Renderer::setBackground(BKTYPE b) {
    background = b == BK_WHITE ? BK_WHITE : BK_BLACK;
}

Renderer::BKTYPE Renderer::getBackground() const {
    return background == BK_WHITE ? BK_WHITE : BK_BLACK;
}

void Renderer::clear(CDC* dc, const RECT* rect) {
    dc->FillSolidRect(rect, background != 0 ? RGB(255, 255, 255) : RGB(0, 0, 0));
}

void Renderer::set(GcGraphConfig* cfg) {
    config = cfg;
    ++nconfig;
}

void Renderer::deleteGraph() {
    config = nullptr;
    nconfig = 0;
}

void Renderer::writeCsv(FILE* stream) {
    if (!config) return;
    for (int i = 0; i < nconfig; ++i) config->writeCsv(stream);
}

int Renderer::writeCsv(const char* path) {
    return CsvWriter::toFile(path, [this](FILE* stream) { writeCsv(stream); });
}

int Renderer::isIcg() const {
    return config && config->type == GcGraphConfig::HISTON && config->histType != 1 ? 1 : 0;
}

void Renderer::trimZeros(CString& s) {
    const int n = s.GetLength();
    int cut = 0;
    while (cut < n && s[n - 1 - cut] == '0') ++cut;
    if (cut < n && s[n - 1 - cut] == '.') ++cut;
    if (cut > 0) s = s.Left(n - cut);
}
