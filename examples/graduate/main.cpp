// Opens the graduation dialog for one axis, as a host would from its menu, and prints what the
// user chose. Run it on a desktop; without a display the dialog cannot open and it says so.
#include <ploxen/ploxen.h>

#include <cstdio>

int main() {
    CGraduateDlg dlg;
    dlg.m_nRangeMode = 1;
    dlg.m_dMax = 10.0;
    dlg.m_dMin = -10.0;
    dlg.m_nGradMode = 1;
    dlg.m_dLargeGrad = 2.5;
    dlg.m_nSmallGrad = 5;
    INT_PTR result = dlg.DoModal();
    if (result != IDOK) {
        std::printf("no change (the dialog was cancelled or could not open)\n");
        return 0;
    }
    std::printf("range %s: %g .. %g\n", dlg.m_nRangeMode ? "manual" : "automatic", dlg.m_dMin,
                dlg.m_dMax);
    std::printf("graduation %s: step %g, %u small divisions\n",
                dlg.m_nGradMode ? "manual" : "automatic", dlg.m_dLargeGrad, dlg.m_nSmallGrad);
    return 0;
}
