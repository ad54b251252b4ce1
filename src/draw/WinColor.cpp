#include <ploxen/draw/WinColor.h>

#include <algorithm>

int* WinColor::getColor(int row) const {
    static int buffer[3];
    if (row < 0 || row >= kRows) return nullptr;
    std::copy_n(m_table[row], 3, buffer);
    return buffer;
}

bool WinColor::setColor(int row, int red, int green, int blue) {
    if (row < 0 || row >= kRows) return false;
    m_table[row][0] = red;
    m_table[row][1] = green;
    m_table[row][2] = blue;
    return true;
}
