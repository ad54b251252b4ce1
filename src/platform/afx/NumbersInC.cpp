#include <ploxen/platform/afx/NumbersInC.h>

#include <cstring>
#include <langinfo.h>

NumbersInC::NumbersInC() {
    if (std::strcmp(nl_langinfo(RADIXCHAR), ".") == 0 && !*nl_langinfo(THOUSEP)) return;
    // Every other category stays as it is (character types for "%ls", for instance).
    const locale_t base = duplocale(uselocale(locale_t(0)));
    if (!base) return;
    m_own = newlocale(LC_NUMERIC_MASK, "C", base);
    if (!m_own) {
        freelocale(base);
        return;
    }
    m_previous = uselocale(m_own);
}

NumbersInC::~NumbersInC() {
    if (!m_own) return;
    uselocale(m_previous);
    freelocale(m_own);
}
