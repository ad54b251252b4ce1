#pragma once

#include <cstring>

// Fixed text fields of the model hold at most 50 characters and always end with a zero byte.
inline constexpr int textFieldSize = 51;

// Stores the first 50 characters of text, zero-padded; a null text leaves the field as it was.
// Text is UTF-8: a character that does not fit whole is left out, not cut.
inline void storeText(char (&field)[textFieldSize], const char* text) {
    if (!text) return;
    std::strncpy(field, text, textFieldSize - 1);
    field[textFieldSize - 1] = '\0';
    // text[n] is read only when the field is full, so text goes on at least to n.
    for (int n = textFieldSize - 1;
         n > 0 && field[n - 1] && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80;)
        field[--n] = '\0';
}
