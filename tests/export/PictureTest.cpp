// Pictures for files and the clipboard: the PNG is the screen's pixels, SVG and PDF are vectors
// with text as text and stay small for a big series, the clipboard gets the window's picture.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QXmlStreamReader>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "../TempDir.h"
#include "../render/RenderScene.h"
#include "../view/GLViewFixture.h"
#include "export/Picture.h"
#include "platform/kernel/kernel.h"
#include "platform/wnd/Clipboard.h"

using namespace view_test;

namespace {

struct PictureView : FramedView {
    TempDir dir;
    // The view with a series, a comment and a title, as the screen shows it now.
    void dress() {
        sizeClient(240, 170);
        view->addSeries();
        view->m_config.setHtitle(const_cast<char*>("Zeit"));
        CClientDC dc(view);
        view->m_pRenderer->drawComment(&dc, "note", render_test::logFont(-12, "Sans"),
                                       RGB(0, 200, 0), CPoint(90, 40));
        view->Invalidate();
        view->UpdateWindow();
        pump();
    }
    // The screen's pixels differing from image's.
    int differences(const QImage& image) const {
        const CRect r = client();
        if (image.size() != QSize(r.Width(), r.Height())) return -1;
        CClientDC dc(view);
        int n = 0;
        for (int y = 0; y < r.bottom; ++y)
            for (int x = 0; x < r.right; ++x) {
                const COLORREF c = dc.GetPixel(x, y);
                n += image.pixel(x, y) != qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
            }
        return n;
    }
};

// The text of every <text> element of an SVG document, or "bad XML" when it does not parse.
std::string svgTexts(const std::string& svg) {
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    std::string texts;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
            texts +=
                xml.readElementText(QXmlStreamReader::IncludeChildElements).toStdString() + "|";
    return xml.hasError() ? "bad XML" : texts;
}

} // namespace

TEST_F(PictureView, PngAndBmpAtTheWindowsSizeAreTheScreensPixels) {
    dress();
    const CRect r = client();
    for (const char* name : {"p.png", "p.bmp"}) {
        ASSERT_TRUE(savePicture(*view->m_pRenderer, (dir / name).c_str(), r.Width(), r.Height()));
        const QImage image(QString::fromStdString(dir / name));
        EXPECT_EQ(differences(image.convertToFormat(QImage::Format_RGB32)), 0) << name;
    }
}

TEST_F(PictureView, CopyPutsTheWindowsPictureOnTheClipboard) {
    dress();
    const CRect r = client();
    ASSERT_TRUE(copyPicture(*view->m_pRenderer, view->m_hWnd, r.Width(), r.Height()));
    EXPECT_EQ(
        differences(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32)),
        0);
    ASSERT_TRUE(OpenClipboard(view->m_hWnd));
    const auto* dib = static_cast<const BITMAPINFOHEADER*>(GlobalLock(GetClipboardData(CF_DIB)));
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->biWidth, r.Width());
    EXPECT_EQ(dib->biHeight, r.Height());
    CloseClipboard();
}

TEST_F(PictureView, SvgAndPdfHoldTheTitleAsText) {
    dress();
    ASSERT_TRUE(savePicture(*view->m_pRenderer, (dir / "p.svg").c_str(), 240, 170));
    const std::string svg = readFile(dir / "p.svg"), texts = svgTexts(svg);
    EXPECT_EQ(svg.find("font-family=\"FONT\""), std::string::npos) << "a face no reader has";
    EXPECT_NE(texts.find("Zeit|"), std::string::npos) << texts;
    EXPECT_NE(texts.find("note|"), std::string::npos) << texts;
    ASSERT_TRUE(savePicture(*view->m_pRenderer, (dir / "p.pdf").c_str(), 240, 170));
    const std::string pdf = readFile(dir / "p.pdf");
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("/FontFile2"), std::string::npos) << "no embedded font: no text";
}

TEST_F(PictureView, FailuresLeaveNoFileAndSayWhy) {
    dress();
    EXPECT_FALSE(savePicture(*view->m_pRenderer, (dir / "p.jpeg").c_str(), 240, 170));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_NAME);
    EXPECT_FALSE(savePicture(*view->m_pRenderer, (dir / "no/p.svg").c_str(), 240, 170));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path));
}

// A picture twice the view's size has its comments twice as far from the corner and as large.
TEST(PictureComments, FollowThePicturesSize) {
    render_test::Scene scene({{{{{0, 0.5}, {1, 0.5}}}}}, 200, 150);
    scene.r.setBackgroundWhite();
    scene.r.drawComment(nullptr, "Mm", render_test::logFont(-12, "Sans"), RGB(0, 200, 0),
                        CPoint(50, 40));
    const auto greenBox = [&](int w, int h) {
        render_test::Surface s(w, h);
        drawPicture(&s.dc, scene.r, RECT{0, 0, w, h});
        QRect box;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (s.dc.GetPixel(x, y) == RGB(0, 200, 0)) box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect small = greenBox(200, 150), large = greenBox(400, 300);
    ASSERT_FALSE(small.isEmpty());
    EXPECT_NEAR(large.left(), 2 * small.left(), 2);
    EXPECT_NEAR(large.top(), 2 * small.top(), 3);
    EXPECT_NEAR(large.height(), 2 * small.height(), 3);
}

// A series far outside its range stays inside the plot in SVG too, whose writer keeps no clip.
TEST(PictureSvg, LinesStayInsideThePlot) {
    render_test::Scene scene({{{{{0, -1e3}, {0.5, 1e3}, {1, 0.5}}}}}, 400, 300);
    TempDir dir;
    ASSERT_TRUE(savePicture(scene.r, (dir / "p.svg").c_str(), 400, 300));
    QXmlStreamReader xml(QByteArray::fromStdString(readFile(dir / "p.svg")));
    int points = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"polyline")
            for (const auto& point :
                 xml.attributes().value("points").split(u' ', Qt::SkipEmptyParts)) {
                const double y = point.split(u',').value(1).toDouble();
                EXPECT_TRUE(y >= 15 && y <= 240) << point.toString().toStdString();
                ++points;
            }
    EXPECT_GT(points, 5);
}

// A million noisy points reach a vector file as the columns they fill, not one by one.
TEST(PictureSize, AMillionPointsMakeSmallVectorFiles) {
    std::vector<Vertex2D> v(1'000'000);
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = {double(i) / double(v.size()), 0.5 + 0.4 * std::sin(double(i) * 0.7)};
    render_test::Scene scene({{{v}}}, 800, 600);
    TempDir dir;
    for (const char* name : {"big.svg", "big.pdf"}) {
        ASSERT_TRUE(savePicture(scene.r, (dir / name).c_str(), 800, 600)) << name;
        EXPECT_LT(std::filesystem::file_size(dir / name), 2'000'000u) << name;
    }
}
