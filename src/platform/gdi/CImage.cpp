#include <ploxen/platform/gdi/CImage.h>

#include <QImageWriter>
#include <strings.h>

#include <ploxen/platform/gdi/gdi_p.h>

namespace {

// Qt's name of the format a GUID or, for GUID_NULL, a file name's extension asks for; null
// when there is none.
const char* formatOf(LPCTSTR name, REFGUID guid) {
    static constexpr struct {
        const GUID* guid;
        const char* extension;
        const char* format;
    } formats[] = {
        {&Gdiplus::ImageFormatPNG, ".png", "png"},   {&Gdiplus::ImageFormatBMP, ".bmp", "bmp"},
        {&Gdiplus::ImageFormatJPEG, ".jpg", "jpeg"}, {&Gdiplus::ImageFormatJPEG, ".jpeg", "jpeg"},
        {&Gdiplus::ImageFormatGIF, ".gif", "gif"},   {&Gdiplus::ImageFormatTIFF, ".tif", "tiff"},
        {&Gdiplus::ImageFormatTIFF, ".tiff", "tiff"}};
    const char* dot = std::strrchr(name, '.');
    for (const auto& f : formats)
        if (guid == GUID_NULL ? dot && strcasecmp(dot, f.extension) == 0 : guid == *f.guid)
            return f.format;
    return nullptr;
}

} // namespace

BOOL CImage::Create(int nWidth, int nHeight, int nBPP, DWORD) {
    Destroy();
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), nWidth, nHeight, 1, WORD(nBPP), BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    m_hBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_hBitmap) return FALSE;
    m_nWidth = nWidth;
    m_nHeight = nHeight < 0 ? -nHeight : nHeight;
    return TRUE;
}

void CImage::Destroy() {
    while (m_nDCRefCount) ReleaseDC();
    if (m_hBitmap) DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    m_nWidth = m_nHeight = 0;
}

HDC CImage::GetDC() const {
    if (!m_hBitmap) return nullptr;
    if (m_nDCRefCount++ == 0) {
        m_hDC = CreateCompatibleDC(nullptr);
        m_hOldBitmap = SelectObject(m_hDC, m_hBitmap);
    }
    return m_hDC;
}

void CImage::ReleaseDC() const {
    if (m_nDCRefCount == 0 || --m_nDCRefCount) return;
    SelectObject(m_hDC, m_hOldBitmap);
    DeleteDC(m_hDC);
    m_hDC = nullptr;
}

HRESULT CImage::Save(LPCTSTR pszFileName, REFGUID guidFileType) const {
    auto* b = gdi::objectAs<gdi::BitmapObject>(m_hBitmap, gdi::Kind::Bitmap);
    const char* format = pszFileName ? formatOf(pszFileName, guidFileType) : nullptr;
    if (!b || !format) return E_FAIL;
    b->surface->beforeRead(); // the bits the host may have written
    QImageWriter writer(qstr(pszFileName), format);
    return writer.write(b->surface->image) ? S_OK : E_FAIL;
}
