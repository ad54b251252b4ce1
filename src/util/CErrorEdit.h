// A non-owning companion of a dialog's edit control: reads its text as a number, checks it
// against a bound, and on failure tells the user what is expected and puts the focus back into
// the control with its text selected.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/wnd/afxwin.h>

class AFX_EXT_CLASS CErrorEdit {
public:
    CErrorEdit(CEdit* pEdit = NULL) : m_pEdit(pEdit) {}

    void SetCEdit(CEdit* pEdit) { m_pEdit = pEdit; }
    CEdit* GetCEdit() const { return m_pEdit; }

    // The control's text through atoi / atof.
    int Int() const;
    double Double() const;

    // Shows the text in a message box, then focuses the control with all its text selected.
    void Message(CString text) const;

    // 1 when the value passes, 0 (after Message) when it fails.
    int MoreThan(int bound) const;
    int MoreThan(double bound) const;
    int MoreEqual(int bound) const;
    int MoreEqual(double bound) const;
    int LessThan(int bound) const;
    int LessThan(double bound) const;
    int LessEqual(int bound) const;
    int LessEqual(double bound) const;

    CEdit* m_pEdit;

private:
    CString text() const;
    template <class T> int check(bool passes, const char* format, T bound) const;
};
