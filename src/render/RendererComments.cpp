// Comments: drawing them over the graph, hit-testing, moving, restyling and removing them.
#include <ploxen/render/Renderer.h>

namespace {

// A comment's font, selected into dc for as long as this object lives.
class SelectedFont {
public:
    SelectedFont(CDC* dc, const LOGFONTA& lf) : m_dc(dc) {
        m_font.CreateFontIndirect(&lf);
        m_previous = dc->SelectObject(&m_font);
    }
    // Selects the previous font again before the font itself is destroyed.
    ~SelectedFont() { m_dc->SelectObject(m_previous); }

private:
    CDC* m_dc;
    CFont m_font;
    CFont* m_previous = nullptr;
};

// Grey level of the text background: white on a white background, else black.
int backgroundLevel(int background) {
    return background == Renderer::BK_WHITE ? 255 : 0;
}

} // namespace

void Renderer::drawComments(CDC* dc) {
    if (!dc) return;
    const int bg = backgroundLevel(background);
    BkColor(dc, bg, bg, bg);
    if (!comments) return;
    for (const Comment* c = comments->head; c; c = c->next) {
        SelectedFont font(dc, c->font);
        dc->SetTextColor(COLORREF(c->color));
        dc->TextOut(c->position.x, c->position.y, c->text);
    }
}

CString Renderer::drawComment(CDC* dc, CString text, LOGFONTA font, unsigned long color,
                              CPoint position) {
    if (dc) {
        SelectedFont selected(dc, font);
        const int bg = backgroundLevel(background);
        BkColor(dc, bg, bg, bg);
        dc->SetTextColor(COLORREF(color));
        dc->TextOut(position.x, position.y, text);
    }
    return comments ? comments->add(text, font, color, position) : CString();
}

CString Renderer::getComment(CDC* dc, int x, int y, CSize& size, LOGFONTA& font,
                             unsigned long& color) {
    for (const Comment* c = comments && dc ? comments->head : nullptr; c; c = c->next) {
        SIZE extent{0, 0};
        {
            SelectedFont selected(dc, c->font);
            ::GetTextExtentPoint32A(dc->m_hAttribDC, c->text, c->text.GetLength(), &extent);
        }
        size = CSize(extent);
        // 64-bit sums: a comment far to the right must not wrap around.
        const long long left = c->position.x, top = c->position.y;
        if (left <= x && x <= left + extent.cx && top <= y && y <= top + extent.cy) {
            font = c->font;
            color = c->color;
            return c->name;
        }
    }
    size = CSize(0, 0);
    return CString();
}

void Renderer::moveComment(int x, int y, CString name) {
    if (Comment* c = comments ? comments->find(name) : nullptr) c->position = CPoint(x, y);
}

void Renderer::changeFont(CString name, LOGFONTA& font, unsigned long& color) {
    if (Comment* c = comments ? comments->find(name) : nullptr) {
        c->font = font;
        c->color = color;
    }
}

void Renderer::deleteComment(CString name) {
    if (comments) comments->erase(name);
}

void Renderer::deleteComments() {
    if (comments) comments->eraseAll();
}
