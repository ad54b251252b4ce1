// The framework's window classes in one include, as hosts include <afxwin.h>: windows, frames,
// the application object, device contexts of windows, dialogs, controls and data exchange.
#pragma once

#include <ploxen/platform/ctl/CStatusBar.h>
#include <ploxen/platform/ctl/controls.h>
#include <ploxen/platform/dlg/AfxMessageBox.h>
#include <ploxen/platform/dlg/CDataExchange.h>
#include <ploxen/platform/dlg/CDialog.h>
#include <ploxen/platform/wnd/CClientDC.h>
#include <ploxen/platform/wnd/CFrameWnd.h>
#include <ploxen/platform/wnd/CWinApp.h>
#include <ploxen/platform/wnd/CWnd.h>
#include <ploxen/platform/wnd/Clipboard.h>
#include <ploxen/platform/wnd/messages.h>
