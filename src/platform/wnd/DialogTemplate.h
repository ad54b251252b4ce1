// Dialog templates as data, as a resource module holds them: a caption, a size and the
// controls with their IDs, window classes, texts, rectangles and styles. Sizes and rectangles
// are in dialog units (MapDialogRect turns them into pixels with the dialog's font).
#pragma once

#include <ploxen/platform/afx/types.h>

// Window styles shared by dialogs and controls.
constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_HSCROLL = 0x00100000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_THICKFRAME = 0x00040000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// Dialog styles.
constexpr DWORD DS_MODALFRAME = 0x80;
constexpr DWORD DS_SETFONT = 0x40;
constexpr DWORD DS_CENTER = 0x0800;

// Button styles.
constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD BS_CHECKBOX = 0x2;
constexpr DWORD BS_AUTOCHECKBOX = 0x3;
constexpr DWORD BS_RADIOBUTTON = 0x4;
constexpr DWORD BS_GROUPBOX = 0x7;
constexpr DWORD BS_AUTORADIOBUTTON = 0x9;
constexpr DWORD BS_TYPEMASK = 0xF;

// Edit styles.
constexpr DWORD ES_LEFT = 0x0;
constexpr DWORD ES_RIGHT = 0x2;
constexpr DWORD ES_MULTILINE = 0x4;
constexpr DWORD ES_AUTOHSCROLL = 0x80;
constexpr DWORD ES_READONLY = 0x800;

// Static styles.
constexpr DWORD SS_LEFT = 0x0;
constexpr DWORD SS_CENTER = 0x1;
constexpr DWORD SS_RIGHT = 0x2;
constexpr DWORD SS_SUNKEN = 0x1000;

// List-box styles.
constexpr DWORD LBS_NOTIFY = 0x1;
constexpr DWORD LBS_SORT = 0x2;
constexpr DWORD LBS_MULTIPLESEL = 0x8;
constexpr DWORD LBS_EXTENDEDSEL = 0x800;

// Trackbar styles.
constexpr DWORD TBS_HORZ = 0x0;
constexpr DWORD TBS_AUTOTICKS = 0x1;
constexpr DWORD TBS_VERT = 0x2;

// List-view styles.
constexpr DWORD LVS_REPORT = 0x1;
constexpr DWORD LVS_LIST = 0x3;
constexpr DWORD LVS_SINGLESEL = 0x4;
constexpr DWORD LVS_SHOWSELALWAYS = 0x8;

// The platform's window class names of the controls a template may hold.
#define WC_BUTTONA "Button"
#define WC_EDITA "Edit"
#define WC_STATICA "Static"
#define WC_LISTBOXA "ListBox"
#define TRACKBAR_CLASSA "msctls_trackbar32"
#define WC_LISTVIEWA "SysListView32"

struct DLGITEMTEMPLATE_DATA {
    const char* className; // one of the class names above
    const char* text;      // caption or initial text; may be empty
    DWORD style;           // WS_* together with the class's own styles
    short x, y, cx, cy;    // dialog units
    WORD id;
};

struct DLGTEMPLATE_DATA {
    UINT id;
    const char* caption;
    DWORD style;  // WS_* and DS_*; WS_VISIBLE makes a modeless dialog show on creation
    short cx, cy; // dialog units
    const char* fontName;
    WORD fontPointSize;
    const DLGITEMTEMPLATE_DATA* items;
    int nItems;
};

// What a resource module (a language library) exports, with C linkage, under this name: its
// dialog templates and their number.
#define PLX_RESOURCE_TEMPLATES_SYMBOL "PlxDialogTemplates"
extern "C" {
using PlxDialogTemplatesFn = const DLGTEMPLATE_DATA* (*)(int* count);
}
