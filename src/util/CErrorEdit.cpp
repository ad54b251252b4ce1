#include <ploxen/util/CErrorEdit.h>

#include <cstdlib>

#include <ploxen/platform/afx/NumbersInC.h>

CString CErrorEdit::text() const {
    CString s;
    m_pEdit->GetWindowText(s);
    return s;
}

int CErrorEdit::Int() const {
    return std::atoi(text());
}

double CErrorEdit::Double() const {
    const CString s = text();
    const NumbersInC cNumbers;
    return std::atof(s);
}

void CErrorEdit::Message(CString text) const {
    AfxMessageBox(text, MB_OK, 0);
    m_pEdit->SetFocus();
    m_pEdit->SendMessage(EM_SETSEL, 0, -1);
    m_pEdit->SendMessage(EM_SCROLLCARET, 0, 0);
}

template <class T> int CErrorEdit::check(bool passes, const char* format, T bound) const {
    if (passes) return 1;
    CString message;
    message.Format(format, bound);
    Message(message);
    return 0;
}

int CErrorEdit::MoreThan(int bound) const {
    return check(Int() > bound, "Input a value more than %d", bound);
}
int CErrorEdit::MoreThan(double bound) const {
    return check(Double() > bound, "Input a value more than %.6e", bound);
}
int CErrorEdit::MoreEqual(int bound) const {
    return check(Int() >= bound, "Input a value more than or equal to %d", bound);
}
int CErrorEdit::MoreEqual(double bound) const {
    return check(Double() >= bound, "Input a value more than or equal to %.6e", bound);
}
int CErrorEdit::LessThan(int bound) const {
    return check(Int() < bound, "Input a value less than %d", bound);
}
int CErrorEdit::LessThan(double bound) const {
    return check(Double() < bound, "Input a value less than %.6e", bound);
}
int CErrorEdit::LessEqual(int bound) const {
    return check(Int() <= bound, "Input a value less than or equal to %d", bound);
}
int CErrorEdit::LessEqual(double bound) const {
    return check(Double() <= bound, "Input a value less than or equal to %.6e", bound);
}
