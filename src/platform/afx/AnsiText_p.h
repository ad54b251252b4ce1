// The platform's "ANSI" text is UTF-8 on Linux: the one conversion between it and Qt's strings,
// for every ...A call, control text, dialog field and message box.
#pragma once

#include <QString>
#include <string>

#include <ploxen/platform/afx/types.h>

// length counts bytes; -1 reads up to the NUL. A null text is empty.
QString qstr(LPCSTR s, int length = -1);
std::string bytes(const QString& s);
// Copies text into a buffer of size bytes, NUL included, as the platform's A calls do; a cut
// never splits a character. Returns the bytes copied without the NUL.
int copyText(const QString& text, LPSTR buffer, int size);
