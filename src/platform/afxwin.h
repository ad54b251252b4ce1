// The framework's window classes in one include, as hosts include <afxwin.h>: windows, frames,
// the application object, device contexts of windows, dialogs, controls and data exchange.
#pragma once

#include <ploxen/platform/AfxMessageBox.h>
#include <ploxen/platform/CClientDC.h>
#include <ploxen/platform/CDataExchange.h>
#include <ploxen/platform/CDialog.h>
#include <ploxen/platform/CFrameWnd.h>
#include <ploxen/platform/CWinApp.h>
#include <ploxen/platform/CWnd.h>
#include <ploxen/platform/controls.h>
#include <ploxen/platform/messages.h>
