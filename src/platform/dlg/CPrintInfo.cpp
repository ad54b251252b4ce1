#include <ploxen/platform/dlg/CPrintInfo.h>

CPrintInfo::CPrintInfo() : m_pPD(new CPrintDialog(FALSE)) {}

CPrintInfo::~CPrintInfo() {
    if (m_pPD->m_pd.hDC) DeleteDC(m_pPD->m_pd.hDC);
    delete m_pPD;
}
