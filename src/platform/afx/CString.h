// MFC's byte string: a value type with printf-style formatting.
#pragma once

#include <cstdarg>
#include <string>

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/types.h>

class AFX_EXT_CLASS CString {
public:
    CString() = default;
    CString(const char* s) : m_str(s ? s : "") {}
    CString(const char* s, int length) : m_str(s ? std::string(s, length > 0 ? length : 0) : "") {}
    CString(char c, int repeat = 1) : m_str(repeat > 0 ? repeat : 0, c) {}
    CString(const std::string& s) : m_str(s) {}

    // Formats like printf, numbers as in the C locale whatever the process's locale; Format and
    // FormatV replace the string's contents.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args) __attribute__((format(printf, 2, 0)));

    int GetLength() const { return int(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int i) const { return m_str.at(i); }
    void SetAt(int i, char c) { m_str.at(i) = c; }
    char operator[](int i) const { return m_str.at(i); }

    // Writable buffer of at least minLength characters; ReleaseBuffer trims at the first NUL
    // (or at newLength when it is not -1).
    char* GetBuffer(int minLength = 0);
    void ReleaseBuffer(int newLength = -1);

    CString Left(int n) const;
    CString Right(int n) const;
    CString Mid(int first, int n = -1) const;
    int Find(char c, int start = 0) const;
    int Find(const char* s, int start = 0) const;
    int ReverseFind(char c) const;
    int Delete(int index, int count = 1);
    int Insert(int index, const char* s);
    int Replace(char from, char to);
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim() { return TrimRight().TrimLeft(); }
    void MakeUpper();
    void MakeLower();
    int Compare(const char* s) const { return m_str.compare(s ? s : ""); }

    operator const char*() const { return m_str.c_str(); }
    const char* GetString() const { return m_str.c_str(); }
    const std::string& str() const { return m_str; }

    CString& operator=(const char* s) {
        m_str = s ? s : "";
        return *this;
    }
    CString& operator+=(const CString& s) {
        m_str += s.m_str;
        return *this;
    }
    CString& operator+=(const char* s) {
        m_str += s ? s : "";
        return *this;
    }
    CString& operator+=(char c) {
        m_str += c;
        return *this;
    }
    friend CString operator+(const CString& a, const CString& b) {
        return CString(a.m_str + b.m_str);
    }
    friend CString operator+(const CString& a, const char* b) { return a + CString(b); }
    friend CString operator+(const char* a, const CString& b) { return CString(a) + b; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.m_str == (b ? b : ""); }

private:
    std::string m_str;
};
