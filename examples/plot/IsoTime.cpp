#include "IsoTime.h"

#include <charconv>
#include <chrono>

namespace {

// Exactly n digits at text's start, consumed.
bool digits(std::string_view& text, size_t n, int& value) {
    if (text.size() < n) return false;
    value = 0;
    for (size_t i = 0; i < n; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(n);
    return true;
}

bool take(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

} // namespace

std::optional<double> parseIsoTime(std::string_view text) {
    using namespace std::chrono;
    int y = 0, mo = 0, d = 0;
    if (!digits(text, 4, y) || !take(text, '-') || !digits(text, 2, mo) || !take(text, '-') ||
        !digits(text, 2, d))
        return {};
    const year_month_day date{year(y), month(unsigned(mo)), day(unsigned(d))};
    if (!date.ok()) return {};
    double seconds = double(sys_days(date).time_since_epoch().count()) * 86400.0;
    if (text.empty()) return seconds;
    if (!take(text, 'T') && !take(text, ' ')) return {};
    int h = 0, mi = 0, s = 0;
    if (!digits(text, 2, h) || !take(text, ':') || !digits(text, 2, mi) || h > 23 || mi > 59)
        return {};
    if (take(text, ':')) {
        if (!digits(text, 2, s) || s > 60) return {}; // 60: a leap second
        if (!text.empty() && (text.front() == '.' || text.front() == ',')) {
            // The fraction's digits, read as "0.ddd" without the locale.
            std::string_view rest = text.substr(1);
            size_t n = 0;
            while (n < rest.size() && rest[n] >= '0' && rest[n] <= '9') ++n;
            if (n == 0 || n > 18) return {};
            char buffer[24] = "0.";
            rest.copy(buffer + 2, n);
            double fraction = 0;
            std::from_chars(buffer, buffer + 2 + n, fraction);
            seconds += fraction;
            text.remove_prefix(1 + n);
        }
    }
    seconds += h * 3600.0 + mi * 60.0 + s;
    if (take(text, 'Z') || text.empty())
        return text.empty() ? std::optional(seconds) : std::nullopt;
    const char sign = text.front();
    if (sign != '+' && sign != '-') return {};
    text.remove_prefix(1);
    int zh = 0, zm = 0;
    if (!digits(text, 2, zh) || zh > 23) return {};
    if (!text.empty()) {
        take(text, ':');
        if (!digits(text, 2, zm) || !text.empty() || zm > 59) return {};
    }
    const double offset = zh * 3600.0 + zm * 60.0;
    return sign == '+' ? seconds - offset : seconds + offset;
}
