// Numbers read and written as the C locale does, whatever the process's locale: a Qt host takes
// the user's (a decimal comma in German), and the library's texts and files must not follow it.
#pragma once

#include <locale.h>

// While it lives, this thread's locale is the current one with the C locale's LC_NUMERIC; the
// process's own locale (the host's) is never changed. Cheap where the radix is already '.'.
class NumbersInC {
public:
    NumbersInC();
    ~NumbersInC();
    NumbersInC(const NumbersInC&) = delete;
    NumbersInC& operator=(const NumbersInC&) = delete;

private:
    locale_t m_own = nullptr;
    locale_t m_previous = nullptr;
};
