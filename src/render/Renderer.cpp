#include <ploxen/render/Renderer.h>

#include <ploxen/model/CsvWriter.h>
#include <ploxen/render/GradLabel.h>
#include <ploxen/render/LayoutConstants.h>
#include <ploxen/render/RepaintFrame.h>
#include <ploxen/render/TextFit.h>

#include <algorithm>
#include <new>
#include <vector>

namespace {

// Every renderer alive. A comment list is shared by the renderers whose comments field points
// at it, so the last of them to go frees it, whoever stored the pointer there.
std::vector<const Renderer*>& liveRenderers() {
    static std::vector<const Renderer*> all;
    return all;
}

// Frees list unless a live renderer still points at it.
void release(CommentList* list) {
    const auto& all = liveRenderers();
    if (std::none_of(all.begin(), all.end(),
                     [list](const Renderer* r) { return r->comments == list; }))
        delete list;
}

} // namespace

Renderer::Renderer() : comments(new (std::nothrow) CommentList) {
    liveRenderers().push_back(this);
}

Renderer::Renderer(const Renderer& other) : GlDraw(other) {
    liveRenderers().push_back(this);
    *this = other;
}

// Member-wise, so that both share one comment list; the list this one held goes if nobody else
// holds it.
Renderer& Renderer::operator=(const Renderer& other) {
    CommentList* const old = comments;
    GlDraw::operator=(other);
    std::copy_n(other.viewport, 4, viewport);
    background = other.background;
    comments = other.comments;
    nconfig = other.nconfig;
    config = other.config;
    std::copy_n(other.zoomScale, 2, zoomScale);
    std::copy_n(other.zoomOffset, 2, zoomOffset);
    if (old != comments) release(old);
    if (other.m_textFont.m_hObject) keepFonts();
    return *this;
}

Renderer::~Renderer() {
    auto& all = liveRenderers();
    all.erase(std::find(all.begin(), all.end(), this));
    release(comments);
}

void Renderer::init(int width, int height) {
    setViewport(0, 0, width, height);
}

void Renderer::setViewport(int x, int y, int width, int height) {
    viewport[0] = x;
    viewport[1] = y;
    viewport[2] = width;
    viewport[3] = height;
    keepFonts();
}

// The fonts for the viewport's text height, unless the ones kept fit it already. Qt picks and
// loads a font's face, and the advance of each character, at its first measurement: they are
// measured here once, on the characters of the graduation labels.
void Renderer::keepFonts() {
    const int height = layout::textHeight(viewport[2], viewport[3]);
    if (m_textFont.m_hObject && height == m_fontHeight) return;
    m_textFont.DeleteObject();
    m_verticalFont.DeleteObject();
    m_textFont.Attach(com_GLCreateTextFont(viewport[2], viewport[3]));
    m_verticalFont.Attach(
        ::CreateFontA(height, 0, 900, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 32, "FONT"));
    m_fontHeight = height;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    for (CFont* font : {&m_textFont, &m_verticalFont}) {
        CFont* previous = dc.SelectObject(font);
        dc.GetTextExtent("0123456789.-x", 13);
        dc.SelectObject(previous);
    }
    dc.DeleteDC();
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
    s = CString(trimmedZeros(s.GetString()).c_str());
}
