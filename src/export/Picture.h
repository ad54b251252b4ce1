// Pictures of what a renderer shows, drawn again by the renderer for a file, the clipboard or a
// printed page at that output's own resolution: PNG and BMP pixel for pixel as on a screen of
// the same size, PDF and SVG as vectors with text as text. A series reaches a vector file
// reduced as on the screen, column by column at the file's resolution, so its size follows
// the picture's width, not the series' length.
#pragma once

#include <functional>

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/types.h>

class CDC;
class Renderer;

enum class PictureFormat { Png, Bmp, Svg, Pdf, Unknown };

// What a file name's extension (any case) asks for.
AFX_EXT_API PictureFormat pictureFormat(const char* path);

// Drawing of the host's own laid over each picture (a title, say), on the picture's device
// context; renderer is the copy that drew the picture, with the picture's viewport.
using PictureOverlay = std::function<void(CDC* dc, const Renderer& renderer)>;

// The largest rectangle of width:height proportions that fits page, centred in it.
AFX_EXT_API RECT pictureArea(int width, int height, const RECT& page);

// Printer settings for the picture's page, as a DEVMODE in a global block for the print
// dialog's m_pd.hDevMode: landscape when the picture is wider than tall, else portrait. The
// caller frees it (GlobalFree) once printing has ended.
AFX_EXT_API HANDLE pictureDevMode(int width, int height);

// Clears area and draws renderer's configuration and comments into it, as a view paints
// itself, then the overlay; renderer's own viewport is left as it was. Comments keep their
// place and size relative to the picture when area is larger or smaller than the viewport.
AFX_EXT_API void drawPicture(CDC* dc, const Renderer& renderer, const RECT& area,
                             const PictureOverlay& overlay = {});

// Writes the picture to path, in the format its extension names: PNG or BMP of width x height
// pixels, SVG of that size in pixels of 1/96 inch, or a PDF page (landscape when the picture
// is wider than tall) that it fills keeping its proportions. The name holds the old file or the
// complete new one (see FileReplacement). False when the format is unknown or the file could
// not be written; GetLastError() then says why, and errno too where the system refused.
AFX_EXT_API bool savePicture(const Renderer& renderer, const char* path, int width, int height,
                             const PictureOverlay& overlay = {});

// Puts the width x height picture on the clipboard as a device-independent bitmap (other
// programs also see it as PNG). False when the clipboard could not take it.
AFX_EXT_API bool copyPicture(const Renderer& renderer, HWND owner, int width, int height,
                             const PictureOverlay& overlay = {});
