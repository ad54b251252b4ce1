#include <ploxen/platform/dlg/CFontDialog.h>

#include <QColorDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QPixmap>
#include <QPushButton>
#include <cstring>

#include <ploxen/platform/dlg/AfxMessageBox.h>
#include <ploxen/platform/dlg/ModalResponder.h>
#include <ploxen/platform/gdi/CDC.h>
#include <ploxen/platform/gdi/gdi_p.h>

namespace {

QIcon swatch(const QColor& c) {
    QPixmap pixmap(16, 16);
    pixmap.fill(c);
    return QIcon(pixmap);
}

COLORREF colorRef(const QColor& c) {
    return RGB(BYTE(c.red()), BYTE(c.green()), BYTE(c.blue()));
}

} // namespace

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CFontDialog, CCommonDialog)

CFontDialog::CFontDialog(LPLOGFONTA lplfInitial, DWORD dwFlags, CDC* pdcPrinter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_cf{}, m_lf{}, m_szStyleName{} {
    m_cf.lStructSize = sizeof m_cf;
    m_cf.Flags = dwFlags;
    m_cf.lpszStyle = m_szStyleName;
    if (lplfInitial) {
        m_cf.lpLogFont = lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
        m_lf = *lplfInitial;
    } else {
        m_cf.lpLogFont = &m_lf;
    }
    if (pdcPrinter) {
        m_cf.hDC = pdcPrinter->m_hDC;
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

INT_PTR CFontDialog::DoModal() {
    const LOGFONTA initialFont = m_lf;
    const COLORREF initialColor = m_cf.rgbColors;
    int answer = IDCANCEL;
    if (const ModalResponder& responder = AfxGetModalResponder()) {
        ModalRequest request{ModalRequest::FontDialog};
        request.object = this;
        answer = responder(request);
    } else if (canShowModalUi()) {
        QFontDialog dialog(gdi::qtFont(m_lf));
        dialog.setOption(QFontDialog::DontUseNativeDialog);
        dialog.setOption(QFontDialog::MonospacedFonts, m_cf.Flags & CF_FIXEDPITCHONLY);
        dialog.setOption(QFontDialog::ScalableFonts, m_cf.Flags & CF_SCALABLEONLY);
        QColor color = gdi::qtColor(m_cf.rgbColors);
        // The platform's chooser offers the text colour among the effects; Qt's has none, so
        // a colour button joins the dialog's grid.
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
            grid && (m_cf.Flags & CF_EFFECTS)) {
            auto* button = new QPushButton(swatch(color), QObject::tr("&Colour..."), &dialog);
            QObject::connect(button, &QPushButton::clicked, &dialog, [&color, &dialog, button] {
                QColor c = QColorDialog::getColor(color, &dialog);
                if (c.isValid()) color = c, button->setIcon(swatch(c));
            });
            grid->addWidget(button, grid->rowCount(), 0, Qt::AlignLeft);
        }
        if (dialog.exec() == QDialog::Accepted) {
            gdi::toLogFont(dialog.selectedFont(), m_lf);
            m_cf.rgbColors = colorRef(color);
            answer = IDOK;
        }
    }
    if (answer != IDOK) {
        m_lf = initialFont;
        m_cf.rgbColors = initialColor;
        return IDCANCEL;
    }
    if (m_cf.lpLogFont != &m_lf) *m_cf.lpLogFont = m_lf;
    // Tenths of a point at the 96 dots per inch of the screen's device contexts.
    m_cf.iPointSize = (gdi::qtFont(m_lf).pixelSize() * 720 + 48) / 96;
    const bool bold = m_lf.lfWeight >= FW_BOLD;
    std::strcpy(m_szStyleName, bold && m_lf.lfItalic ? "Bold Italic"
                               : bold                ? "Bold"
                               : m_lf.lfItalic       ? "Italic"
                                                     : "Regular");
    return IDOK;
}

void CFontDialog::GetCurrentFont(LPLOGFONTA lplf) {
    if (lplf) *lplf = m_lf;
}

CString CFontDialog::GetFaceName() const {
    return CString(m_cf.lpLogFont->lfFaceName,
                   int(strnlen(m_cf.lpLogFont->lfFaceName, LF_FACESIZE)));
}

CString CFontDialog::GetStyleName() const {
    return CString(m_cf.lpszStyle);
}

int CFontDialog::GetSize() const {
    return m_cf.iPointSize;
}

COLORREF CFontDialog::GetColor() const {
    return m_cf.rgbColors;
}

int CFontDialog::GetWeight() const {
    return m_cf.lpLogFont->lfWeight;
}

BOOL CFontDialog::IsStrikeOut() const {
    return m_cf.lpLogFont->lfStrikeOut ? TRUE : FALSE;
}

BOOL CFontDialog::IsUnderline() const {
    return m_cf.lpLogFont->lfUnderline ? TRUE : FALSE;
}

BOOL CFontDialog::IsBold() const {
    return m_cf.lpLogFont->lfWeight == FW_BOLD ? TRUE : FALSE;
}

BOOL CFontDialog::IsItalic() const {
    return m_cf.lpLogFont->lfItalic ? TRUE : FALSE;
}
