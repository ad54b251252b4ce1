#include <ploxen/platform/dlg/CPrintDialog.h>

#include <QPrintDialog>
#include <QPrinter>

#include <ploxen/platform/afx/AnsiText_p.h>
#include <ploxen/platform/dlg/AfxMessageBox.h>
#include <ploxen/platform/dlg/ModalResponder.h>

CPrintDialog::CPrintDialog(BOOL, DWORD dwFlags, CWnd*) {
    m_pd.lStructSize = sizeof(PRINTDLG);
    m_pd.Flags = dwFlags | PD_RETURNDC;
    m_pd.nMinPage = m_pd.nFromPage = 1;
    m_pd.nMaxPage = m_pd.nToPage = 0xFFFF;
    m_pd.nCopies = 1;
}

INT_PTR CPrintDialog::DoModal() {
    INT_PTR answer = IDCANCEL;
    if (const ModalResponder& responder = AfxGetModalResponder()) {
        ModalRequest request{ModalRequest::PrintDialog};
        request.object = this;
        answer = responder(request);
    } else if (canShowModalUi()) {
        QPrinter printer;
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
                     nullptr, nullptr);
        if (!m_pd.hDC) answer = IDCANCEL;
    }
    return answer;
}
