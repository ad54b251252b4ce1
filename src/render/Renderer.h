// Turns one graph configuration into drawing calls on a device context: viewport, background,
// zoom state, comments, picking and CSV output of what it shows.
#pragma once

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include <ploxen/draw/GlDraw.h>
#include <ploxen/interact/CommentList.h>
#include <ploxen/model/GcGraphConfig.h>
#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/CString.h>
#include <ploxen/platform/afx/geometry.h>
#include <ploxen/platform/gdi/CDC.h>

class AFX_EXT_CLASS Renderer : public GlDraw {
public:
    enum BKTYPE { BK_BLACK = 0, BK_WHITE = 1 };

    Renderer();
    Renderer(const Renderer& other);
    Renderer& operator=(const Renderer& other);
    virtual ~Renderer();

    int viewport[4] = {0, 0, 1, 1};
    int background = BK_BLACK;
    CommentList* comments = nullptr;
    int nconfig = 0;
    GcGraphConfig* config = nullptr;
    float zoomScale[2] = {1.0f, 1.0f};
    float zoomOffset[2] = {0.0f, 0.0f};

    // Viewport, background and configuration.
    void init(int width, int height);
    void setViewport(int x, int y, int width, int height);
    void getViewport(int* const out) const;
    void setBackground(BKTYPE b);
    BKTYPE getBackground() const;
    void setBackgroundBlack() { setBackground(BK_BLACK); }
    void setBackgroundWhite() { setBackground(BK_WHITE); }
    void clear(CDC* dc, const RECT* rect);
    void set(GcGraphConfig* cfg);
    void deleteGraph();
    GcGraphConfig* getGcGraphConfig() const { return config; }

    // Drawing of the whole configuration.
    void drawGraph(CDC* dc);

    // The whole picture on dc, a device that keeps it between calls (a view's back buffer):
    // background in client, configuration and comments. When the last call drew on the same
    // device and bitmap and the picture has since only moved sideways by whole pixel columns
    // while its indexed lines grew or changed near their ends (a view following a live signal),
    // the part still shown is scrolled and only the rest is drawn, with the pixels a full
    // drawing gives. Returns 1 when it scrolled, 0 when it drew everything.
    int repaintGraph(CDC* dc, const RECT* client);
    // The next repaintGraph draws everything (the device's picture was changed by others).
    void forgetRepaint();
    // Moves graph 0's horizontal range right by the fewest whole pixel columns of the last
    // repaintGraph that bring value into it, its width kept: a following view that moves so
    // can be scrolled. False, with nothing changed, when there is no such drawing of the
    // configuration to measure columns by, or its horizontal axis is logarithmic.
    bool followGraph(double value);

    // Zoom.
    void zoomGraph(float x1, float y1, float x2, float y2);
    void resetGraph();

    // Picking: the vertex under (x, y), or the line passing nearest it.
    int pickGraph(CDC* dc, int x, int y, int& graph, int& line, int& vertex) const;
    int pickGraph(CDC* dc, int x, int y, int& graph, int& line);

    // Comments.
    void drawComments(CDC* dc);
    CString drawComment(CDC* dc, CString text, LOGFONTA font, unsigned long color, CPoint position);
    CString getComment(CDC* dc, int x, int y, CSize& size, LOGFONTA& font, unsigned long& color);
    void moveComment(int x, int y, CString name);
    void changeFont(CString name, LOGFONTA& font, unsigned long& color);
    void deleteComment(CString name);
    void deleteComments();

    // CSV output of the configuration shown.
    void writeCsv(FILE* stream);
    int writeCsv(const char* path);

protected:
    int isIcg() const;
    void trimZeros(CString& s);

private:
    // The text fonts of drawGraph for the viewport's size, kept from one drawing to the next
    // and made again when that size changes: Qt finds and loads a font's face at its first
    // measurement, which costs more than drawing a small plot.
    CFont m_textFont, m_verticalFont;
    int m_fontHeight = 0;
    void keepFonts();

    // What one drawGraph call works with: device context, layout, colours and fonts.
    struct DrawState;
    void drawFrame(const DrawState& st);
    void drawTitles(const DrawState& st);
    void drawHGraduation(const DrawState& st);
    void drawVGraduation(const DrawState& st);
    void drawExponent(const DrawState& st, int n, int x, int y);
    void drawTickLabel(const DrawState& st, const char* text, const char* raised, const char* below,
                       int x, int y, int align);
    void drawSeries(const DrawState& st);
    struct StripMap;
    class PolylineRun;
    void drawPolyline(const DrawState& st, const GcGLine& line, const StripMap& m);
    void drawSortedPolyline(const DrawState& st, const GcGLine& line, const StripMap& m,
                            const LineIndex& ix, double left, double right);
    void drawBars(const DrawState& st, const GcGLine& line, const StripMap& m);
    void drawLegend(const DrawState& st);

    // Repainting: the last picture repaintGraph drew, and how the next one differs from it.
    struct Frame;
    struct Scroll;
    std::unique_ptr<Frame> frameOf(CDC* dc, const RECT& client) const;
    bool scrollable(const Frame& last, const Frame& next, Scroll& s) const;
    bool drawScrolled(CDC* dc, const RECT& client, const Scroll& s, std::vector<int>& marks);
    std::unique_ptr<Frame> m_frame;
    // While not empty, indexed sorted series are drawn only over these device column ranges.
    std::vector<std::pair<double, double>> m_seriesColumns;
    // What drawGraph draws: everything, or only the series, or everything but them (which
    // never overlap: the series stay in their strips, everything else drawn there comes
    // before them).
    enum class Parts { all, series, decoration } m_parts = Parts::all;
    // While set, receives each horizontal graduation mark drawn: its device x, times 2, plus 1
    // for a large one.
    std::vector<int>* m_marks = nullptr;
};

extern "C" {
// Decimal exponent of the range [a, b]; *scale receives 10 to that power.
AFX_EXT_API int com_GLCalcGraphIndex(float a, float b, float* scale);
// 1 when graduation values from start and step can be written as plain integers.
AFX_EXT_API int com_GLIsGraphGradInt(float start, float step);
}
