#pragma once

#include <cstring>

// Fixed text fields of the model hold at most 50 characters and always end with a zero byte.
inline constexpr int textFieldSize = 51;

// Stores the first 50 characters of text, zero-padded; a null text leaves the field as it was.
inline void storeText(char (&field)[textFieldSize], const char* text) {
    if (!text) return;
    std::strncpy(field, text, textFieldSize - 1);
    field[textFieldSize - 1] = '\0';
}
