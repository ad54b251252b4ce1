#include <ploxen/platform/afx/CString.h>

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include <ploxen/platform/afx/NumbersInC.h>

namespace {
// printf's formatting with the C locale's radix point, whatever the host's locale.
std::string vformat(const char* format, va_list args) {
    if (!format) return {};
    const NumbersInC cNumbers;
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n <= 0) return {};
    std::string out(size_t(n), '\0');
    std::vsnprintf(out.data(), out.size() + 1, format, args);
    return out;
}
} // namespace

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    m_str = vformat(format, args);
}

void CString::AppendFormat(const char* format, ...) {
    va_list args;
    va_start(args, format);
    m_str += vformat(format, args);
    va_end(args);
}

char* CString::GetBuffer(int minLength) {
    if (minLength > int(m_str.size())) m_str.resize(size_t(minLength));
    return m_str.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) newLength = int(strnlen(m_str.data(), m_str.size()));
    m_str.resize(size_t(std::min<int>(newLength, int(m_str.size()))));
}

CString CString::Left(int n) const {
    return CString(m_str.substr(0, size_t(std::max(n, 0))));
}

CString CString::Right(int n) const {
    n = std::clamp(n, 0, GetLength());
    return CString(m_str.substr(m_str.size() - size_t(n)));
}

CString CString::Mid(int first, int n) const {
    first = std::clamp(first, 0, GetLength());
    if (n < 0) return CString(m_str.substr(size_t(first)));
    return CString(m_str.substr(size_t(first), size_t(n)));
}

int CString::Find(char c, int start) const {
    if (start < 0 || start >= GetLength()) return -1;
    size_t p = m_str.find(c, size_t(start));
    return p == std::string::npos ? -1 : int(p);
}

int CString::Find(const char* s, int start) const {
    if (!s || start < 0 || start > GetLength()) return -1;
    size_t p = m_str.find(s, size_t(start));
    return p == std::string::npos ? -1 : int(p);
}

int CString::ReverseFind(char c) const {
    size_t p = m_str.rfind(c);
    return p == std::string::npos ? -1 : int(p);
}

int CString::Delete(int index, int count) {
    if (index >= 0 && index < GetLength() && count > 0) m_str.erase(size_t(index), size_t(count));
    return GetLength();
}

int CString::Insert(int index, const char* s) {
    index = std::clamp(index, 0, GetLength());
    if (s) m_str.insert(size_t(index), s);
    return GetLength();
}

int CString::Replace(char from, char to) {
    int n = 0;
    for (char& c : m_str)
        if (c == from) c = to, ++n;
    return n;
}

CString& CString::TrimLeft() {
    size_t i = 0;
    while (i < m_str.size() && std::isspace(static_cast<unsigned char>(m_str[i]))) ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimRight() {
    while (!m_str.empty() && std::isspace(static_cast<unsigned char>(m_str.back())))
        m_str.pop_back();
    return *this;
}

void CString::MakeUpper() {
    for (char& c : m_str) c = char(std::toupper(static_cast<unsigned char>(c)));
}

void CString::MakeLower() {
    for (char& c : m_str) c = char(std::tolower(static_cast<unsigned char>(c)));
}
