// English dialog templates of the language library. Sizes are in dialog units; controls are
// listed in tab order, and every radio pair is closed by a following control that starts a new
// group.
#include "module/ResourceIds.h"
#include "platform/wnd/DialogTemplate.h"

namespace {

constexpr DWORD modeless = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
constexpr DWORD modal = modeless | DS_MODALFRAME | DS_CENTER;
constexpr const char* font = "MS Shell Dlg";
constexpr WORD fontSize = 8;

constexpr DWORD child = WS_CHILD | WS_VISIBLE;
constexpr DWORD label = child | SS_LEFT;
constexpr DWORD groupLabel = label | WS_GROUP;
constexpr DWORD button = child | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD defButton = child | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD edit = child | WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD result = edit | ES_READONLY; // computed values the user may copy
constexpr DWORD firstRadio = child | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON;
constexpr DWORD nextRadio = child | BS_AUTORADIOBUTTON;
constexpr DWORD frame = child | WS_GROUP | BS_GROUPBOX;

constexpr WORD other = WORD(IDC_STATIC);
constexpr WORD ok = 1;
constexpr WORD cancel = 2;

template <class T, int N> constexpr int countOf(const T (&)[N]) {
    return N;
}

const DLGITEMTEMPLATE_DATA drawComment[] = {
    {WC_STATICA, "&Text:", label, 7, 9, 24, 8, other},
    {WC_EDITA, "", edit, 34, 7, 179, 14, IDC_COMMENT},
    {WC_STATICA, "Apply, then click where the comment goes.", groupLabel, 7, 26, 206, 8, other},
    {WC_BUTTONA, "&Font...", button, 7, 41, 50, 14, IDC_FONT},
    {WC_BUTTONA, "&Apply", defButton, 109, 41, 50, 14, IDC_APPLY},
    {WC_BUTTONA, "Close", button, 163, 41, 50, 14, IDC_CLOSE},
};

const DLGITEMTEMPLATE_DATA eraseComment[] = {
    {WC_STATICA, "&Comments (select those to erase):", label, 7, 7, 166, 8, other},
    {WC_LISTBOXA, "", child | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_EXTENDEDSEL, 7,
     18, 166, 104, IDC_COMMENTLIST},
    {WC_BUTTONA, "&Apply", defButton, 69, 129, 50, 14, IDC_APPLY},
    {WC_BUTTONA, "Close", button, 123, 129, 50, 14, IDC_CLOSE},
};

const DLGITEMTEMPLATE_DATA viewing2d[] = {
    {WC_BUTTONA, "&Zoom", defButton, 7, 7, 50, 14, IDC_ZOOM},
    {WC_BUTTONA, "&Unzoom", button, 64, 7, 50, 14, IDC_UNZOOM},
    {WC_BUTTONA, "Close", button, 121, 7, 50, 14, IDC_CLOSE},
    {WC_STATICA, "Click two corners; a right click cancels.", groupLabel, 7, 27, 164, 8, other},
};

const DLGITEMTEMPLATE_DATA inquirePoint[] = {
    {WC_BUTTONA, "&Pick Point", defButton, 7, 7, 60, 14, IDC_PICKPOINT},
    {WC_BUTTONA, "Close", button, 113, 7, 50, 14, IDC_CLOSE},
    {WC_STATICA, "X:", label, 7, 30, 12, 8, other},
    {WC_EDITA, "", result, 22, 28, 141, 12, IDC_POINTX},
    {WC_STATICA, "Y:", label, 7, 46, 12, 8, other},
    {WC_EDITA, "", result, 22, 44, 141, 12, IDC_POINTY},
    {WC_STATICA, "Click points on the graph; right click ends.", label, 7, 62, 156, 8, other},
};

const DLGITEMTEMPLATE_DATA inquireStatistics[] = {
    {WC_BUTTONA, "&Pick Points", defButton, 7, 7, 60, 14, IDC_PICKPOINT},
    {WC_BUTTONA, "Close", button, 143, 7, 50, 14, IDC_CLOSE},
    {WC_STATICA, "First x:", label, 7, 30, 92, 8, other},
    {WC_EDITA, "", result, 102, 28, 91, 12, IDC_FIRSTX},
    {WC_STATICA, "Second x:", label, 7, 46, 92, 8, other},
    {WC_EDITA, "", result, 102, 44, 91, 12, IDC_SECONDX},
    {WC_STATICA, "Maximum:", label, 7, 62, 92, 8, other},
    {WC_EDITA, "", result, 102, 60, 91, 12, IDC_MAX},
    {WC_STATICA, "Minimum:", label, 7, 78, 92, 8, other},
    {WC_EDITA, "", result, 102, 76, 91, 12, IDC_MIN},
    {WC_STATICA, "Mean:", label, 7, 94, 92, 8, other},
    {WC_EDITA, "", result, 102, 92, 91, 12, IDC_MEAN},
    {WC_STATICA, "Standard deviation:", label, 7, 110, 92, 8, other},
    {WC_EDITA, "", result, 102, 108, 91, 12, IDC_SIGMA},
    {WC_STATICA, "Differential coefficient:", label, 7, 126, 92, 8, other},
    {WC_EDITA, "", result, 102, 124, 91, 12, IDC_DIFFCOEF},
};

// The range part shared by both graduation dialogs.
#define RANGE_CONTROLS                                                                             \
    {WC_BUTTONA, "Range", frame, 7, 7, 186, 58, other},                                            \
        {WC_BUTTONA, "&Automatic", firstRadio, 14, 19, 60, 10, IDC_RANGEAUTO},                     \
        {WC_BUTTONA, "&Manual", nextRadio, 80, 19, 60, 10, IDC_RANGEMANUAL},                       \
        {WC_STATICA, "Ma&ximum:", groupLabel, 14, 35, 40, 8, other},                               \
        {WC_EDITA, "", edit, 58, 33, 128, 12, IDC_MAX},                                            \
        {WC_STATICA, "Mi&nimum:", label, 14, 50, 40, 8, other}, {                                  \
        WC_EDITA, "", edit, 58, 48, 128, 12, IDC_MIN                                               \
    }

const DLGITEMTEMPLATE_DATA graduate[] = {
    RANGE_CONTROLS,
    {WC_BUTTONA, "Graduation", frame, 7, 70, 186, 66, other},
    {WC_BUTTONA, "Au&tomatic", firstRadio, 14, 82, 60, 10, IDC_GRADAUTO},
    {WC_BUTTONA, "Manua&l", nextRadio, 80, 82, 60, 10, IDC_GRADMANUAL},
    {WC_STATICA, "&Step:", groupLabel, 14, 98, 40, 8, other},
    {WC_EDITA, "", edit, 58, 96, 128, 12, IDC_GRADSTEP},
    {WC_STATICA, "Small &divisions:", label, 14, 116, 54, 8, other},
    {TRACKBAR_CLASSA, "", child | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS, 70, 112, 92, 16,
     IDC_SMALLGRADSLIDER},
    {WC_EDITA, "", edit, 166, 114, 20, 12, IDC_SMALLGRAD},
    {WC_BUTTONA, "OK", defButton | WS_GROUP, 89, 146, 50, 14, ok},
    {WC_BUTTONA, "Cancel", button, 143, 146, 50, 14, cancel},
};

const DLGITEMTEMPLATE_DATA miniGraduate[] = {
    RANGE_CONTROLS,
    {WC_BUTTONA, "OK", defButton | WS_GROUP, 89, 71, 50, 14, ok},
    {WC_BUTTONA, "Cancel", button, 143, 71, 50, 14, cancel},
};

#undef RANGE_CONTROLS

const DLGTEMPLATE_DATA templates[] = {
    {IDD_DRAWCOMMENT, "Comment", modeless, 220, 62, font, fontSize, drawComment,
     countOf(drawComment)},
    {IDD_ERASECOMMENT, "Erase Comments", modeless, 180, 150, font, fontSize, eraseComment,
     countOf(eraseComment)},
    {IDD_VIEWING2D, "Zoom", modeless, 178, 42, font, fontSize, viewing2d, countOf(viewing2d)},
    {IDD_INQUIREPOINT, "Point Inquiry", modeless, 170, 77, font, fontSize, inquirePoint,
     countOf(inquirePoint)},
    {IDD_INQUIRESTATISTICS, "Statistics", modeless, 200, 143, font, fontSize, inquireStatistics,
     countOf(inquireStatistics)},
    {IDD_GRADUATE, "Graduation", modal, 200, 167, font, fontSize, graduate, countOf(graduate)},
    {IDD_MINIGRADUATE, "Range", modal, 200, 92, font, fontSize, miniGraduate,
     countOf(miniGraduate)},
};

} // namespace

extern "C" __attribute__((visibility("default"))) const DLGTEMPLATE_DATA*
PlxDialogTemplates(int* count) {
    if (count) *count = countOf(templates);
    return templates;
}
