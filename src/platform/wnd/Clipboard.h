// The clipboard of the desktop platform, over the application's QClipboard. Device-independent
// bitmaps (CF_DIB: a BITMAPINFOHEADER, then the rows) of 24 or 32 bits without compression are
// taken and given; other programs see them as an image (PNG among its forms).
#pragma once

#include <ploxen/platform/kernel/kernel.h>
#include <ploxen/platform/wnd/messages.h>

constexpr UINT CF_BITMAP = 2;
constexpr UINT CF_DIB = 8;
constexpr DWORD ERROR_CLIPBOARD_NOT_OPEN = 1418;

// The clipboard is open to one window (or to the task, with a null window) at a time.
AFX_EXT_API BOOL OpenClipboard(HWND hWndNewOwner);
AFX_EXT_API BOOL CloseClipboard();
AFX_EXT_API BOOL EmptyClipboard();
// The clipboard owns hMem from then on (it frees it); null on failure, hMem on success.
AFX_EXT_API HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
// A block the clipboard owns until it is emptied or read again: the caller does not free it.
AFX_EXT_API HANDLE GetClipboardData(UINT uFormat);
AFX_EXT_API BOOL IsClipboardFormatAvailable(UINT format);
