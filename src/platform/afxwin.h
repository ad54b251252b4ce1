// The framework's window classes in one include, as hosts include <afxwin.h>: windows, frames,
// the application object, device contexts of windows, dialogs, controls and data exchange.
#pragma once

#include "platform/AfxMessageBox.h"
#include "platform/CClientDC.h"
#include "platform/CDataExchange.h"
#include "platform/CDialog.h"
#include "platform/CFrameWnd.h"
#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/controls.h"
#include "platform/messages.h"
