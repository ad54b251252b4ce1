#include <ploxen/platform/dlg/CPrintDialog.h>

#include <QPrintDialog>
#include <QPrinter>

#include <ploxen/platform/afx/AnsiText_p.h>
#include <ploxen/platform/dlg/AfxMessageBox.h>
#include <ploxen/platform/dlg/ModalResponder.h>
#include <ploxen/platform/kernel/kernel.h>

CPrintDialog::CPrintDialog(BOOL, DWORD dwFlags, CWnd*) {
    m_pd.lStructSize = sizeof(PRINTDLG);
    m_pd.Flags = dwFlags | PD_RETURNDC;
    m_pd.nMinPage = m_pd.nFromPage = 1;
    m_pd.nMaxPage = m_pd.nToPage = 0xFFFF;
    m_pd.nCopies = 1;
}

INT_PTR CPrintDialog::DoModal() {
    INT_PTR answer = IDCANCEL;
    // The caller's settings, when it gave some: the dialog starts from them and the DC has them.
    const auto* mode =
        m_pd.hDevMode ? static_cast<const DEVMODE*>(GlobalLock(m_pd.hDevMode)) : nullptr;
    if (const ModalResponder& responder = AfxGetModalResponder()) {
        ModalRequest request{ModalRequest::PrintDialog};
        request.object = this;
        answer = responder(request);
    } else if (canShowModalUi()) {
        QPrinter printer;
        if (mode && (mode->dmFields & DM_ORIENTATION))
            printer.setPageOrientation(mode->dmOrientation == DMORIENT_LANDSCAPE
                                           ? QPageLayout::Landscape
                                           : QPageLayout::Portrait);
        QPrintDialog dialog(&printer);
        if (dialog.exec() == QDialog::Accepted) {
            answer = IDOK;
            m_strDeviceName = bytes(printer.printerName());
            if (!printer.outputFileName().isEmpty()) {
                m_pd.Flags |= PD_PRINTTOFILE;
                m_strPrintToFile = bytes(printer.outputFileName());
            }
        }
    }
    if (answer == IDOK && (m_pd.Flags & PD_RETURNDC)) {
        m_pd.hDC =
            CreateDC(nullptr, m_strDeviceName.IsEmpty() ? nullptr : m_strDeviceName.GetString(),
                     nullptr, mode);
        if (!m_pd.hDC) answer = IDCANCEL;
    }
    if (mode) GlobalUnlock(m_pd.hDevMode);
    return answer;
}
