// The framework's image class (as <atlimage.h> gives it): a device-independent bitmap with a
// memory device context to draw on, saved as PNG, BMP, JPEG, GIF or TIFF. Save chooses the
// format from guidFileType, or from the name's extension when it is GUID_NULL.
#pragma once

#include <cstring>

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/gdi/gdi.h>

using HRESULT = LONG;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = HRESULT(0x80004005);
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
using LPCTSTR = LPCSTR;

struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
    friend bool operator==(const GUID& a, const GUID& b) {
        return std::memcmp(&a, &b, sizeof a) == 0;
    }
};
using REFGUID = const GUID&;
inline constexpr GUID GUID_NULL{0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

namespace Gdiplus {
inline constexpr GUID ImageFormatBMP{
    0xb96b3cab, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatJPEG{
    0xb96b3cae, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatPNG{
    0xb96b3caf, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatGIF{
    0xb96b3cb0, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatTIFF{
    0xb96b3cb1, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
} // namespace Gdiplus

class AFX_EXT_CLASS CImage {
public:
    CImage() = default;
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;
    ~CImage() { Destroy(); }

    // A DIB section of nWidth x nHeight pixels (a negative height: rows stored top-down).
    BOOL Create(int nWidth, int nHeight, int nBPP, DWORD dwFlags = 0);
    void Destroy();
    bool IsNull() const { return m_hBitmap == nullptr; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    operator HBITMAP() const { return m_hBitmap; }

    // A memory device context with the image selected; every GetDC needs its ReleaseDC.
    HDC GetDC() const;
    void ReleaseDC() const;

    HRESULT Save(LPCTSTR pszFileName, REFGUID guidFileType = GUID_NULL) const;

private:
    HBITMAP m_hBitmap = nullptr;
    int m_nWidth = 0, m_nHeight = 0;
    mutable HDC m_hDC = nullptr;
    mutable HGDIOBJ m_hOldBitmap = nullptr;
    mutable int m_nDCRefCount = 0;
};
