#include <ploxen/platform/afx/AnsiText_p.h>

#include <algorithm>
#include <cstring>

QString qstr(LPCSTR s, int length) {
    return s ? QString::fromUtf8(s, length) : QString();
}

std::string bytes(const QString& s) {
    return s.toStdString();
}

int copyText(const QString& text, LPSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    const std::string s = bytes(text);
    int n = std::min<int>(int(s.size()), size - 1);
    if (n < int(s.size()))
        while (n > 0 && (static_cast<unsigned char>(s[size_t(n)]) & 0xC0) == 0x80) --n;
    std::memcpy(buffer, s.data(), size_t(n));
    buffer[n] = '\0';
    return n;
}
