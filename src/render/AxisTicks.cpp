#include <ploxen/render/AxisTicks.h>

#include <algorithm>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iterator>

#include <ploxen/platform/afx/NumbersInC.h>

namespace {

// Labels a logarithmic axis shows at most: twelve decades, each labelled.
constexpr int maxLogLabels = 13;

// m * 10^d, correctly rounded where 10^|d| is exact.
double scaled(int m, int d) {
    return d >= 0     ? m * std::pow(10.0, d)
           : d >= -22 ? m / std::pow(10.0, -d)
                      : m * std::pow(10.0, d);
}

// The lowest decade at or above v and the highest at or below it, settled on the values.
int decadeAtOrAbove(double v) {
    int d = int(std::ceil(std::log10(v)));
    while (scaled(1, d - 1) >= v) --d;
    while (scaled(1, d) < v) ++d;
    return d;
}
int decadeAtOrBelow(double v) {
    int d = int(std::floor(std::log10(v)));
    while (scaled(1, d + 1) <= v) ++d;
    while (scaled(1, d) > v) --d;
    return d;
}

long floorDiv(long a, long b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

// The label of m * 10^d: decimal digits for 10^-3..10^4, else "10" (or "mx10") and d raised.
Tick logTick(int m, int d, bool large) {
    Tick t{scaled(m, d), large, "", "", ""};
    if (!large) return t;
    if (d >= -3 && d <= 4) {
        t.text = d >= 0 ? std::to_string(m) + std::string(size_t(d), '0')
                        : "0." + std::string(size_t(-d - 1), '0') + std::to_string(m);
    } else {
        t.text = m == 1 ? "10" : std::to_string(m) + "x10";
        t.raised = std::to_string(d);
    }
    return t;
}

// Values m * 10^d within lo..hi for the mantissas in ms (large when in larges), every decade.
std::vector<Tick> mantissaTicks(double lo, double hi, std::initializer_list<int> ms,
                                std::initializer_list<int> larges) {
    std::vector<Tick> ticks;
    for (int d = decadeAtOrBelow(lo); d <= decadeAtOrBelow(hi); ++d)
        for (int m : ms) {
            const double v = scaled(m, d);
            if (lo <= v && v <= hi)
                ticks.push_back(
                    logTick(m, d, std::find(larges.begin(), larges.end(), m) != larges.end()));
        }
    return ticks;
}

long largeCount(const std::vector<Tick>& ticks) {
    return std::count_if(ticks.begin(), ticks.end(), [](const Tick& t) { return t.large; });
}

// Plain steps of 1, 2 or 5 times a power of ten, for a range within one decade.
std::vector<Tick> plainTicks(double lo, double hi, int maxLabels) {
    int e = int(std::floor(std::log10((hi - lo) / maxLabels)));
    for (int i = 0;; ++i) {
        const int m = i % 3 == 0 ? 1 : i % 3 == 1 ? 2 : 5;
        const double step = scaled(m, e + i / 3);
        // Quotients a rounding away from a whole number count as it.
        const double first = std::ceil(lo / step - 1e-9), last = std::floor(hi / step + 1e-9);
        // Steps below the values' precision, or too many labels: a larger step.
        if (!(std::fabs(first) < 0x1p52 && std::fabs(last) < 0x1p52) ||
            last - first + 1 > maxLabels)
            continue;
        const int exp = e + i / 3;
        const int digits = std::clamp(int(std::floor(std::log10(hi))) - exp + 1, 1, 17);
        std::vector<Tick> ticks;
        const NumbersInC cNumbers;
        for (double n = first; n <= last; ++n) {
            const double v = exp >= 0 ? n * m * std::pow(10.0, exp) : n * m / std::pow(10.0, -exp);
            char text[40];
            std::snprintf(text, sizeof text, "%.*g", digits, v);
            ticks.push_back({v, true, text, "", ""});
        }
        return ticks;
    }
}

// Decades d0..d1, every k-th labelled.
std::vector<Tick> decadeTicks(double lo, double hi, int d0, int d1, int maxLabels) {
    static const int everies[] = {1, 2, 3, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000};
    int k = 1;
    for (int every : everies) {
        k = every;
        if (floorDiv(d1, k) - floorDiv(d0 - 1, k) <= maxLabels) break;
    }
    const int sub = k <= 10 ? 1 : k / 5; // small marks at decades that are multiples of sub
    std::vector<Tick> ticks;
    for (int d = d0 - 1; d <= d1; ++d) {
        if (d >= d0 && d % sub == 0) ticks.push_back(logTick(1, d, d % k == 0));
        if (k > 1) continue;
        for (int m = 2; m <= 9; ++m)
            if (const double v = scaled(m, d); lo <= v && v <= hi)
                ticks.push_back(logTick(m, d, false));
    }
    return ticks;
}

} // namespace

std::vector<Tick> logTicks(double lo, double hi, int maxLabels) {
    if (!(lo > 0 && lo < hi && hi <= DBL_MAX)) return {};
    maxLabels = std::clamp(maxLabels, 2, maxLogLabels);
    const int d0 = decadeAtOrAbove(lo), d1 = decadeAtOrBelow(hi);
    if (d1 - d0 + 1 >= 3) return decadeTicks(lo, hi, d0, d1, maxLabels);
    // Few decades show: 1-2-5, else every mantissa, else plain steps; the first with three
    // labels, or the coarser one before it where that one has too many.
    std::vector<Tick> coarser = decadeTicks(lo, hi, d0, d1, maxLabels);
    for (auto candidate :
         {mantissaTicks(lo, hi, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 5}),
          mantissaTicks(lo, hi, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 9})}) {
        const long n = largeCount(candidate);
        if (n >= 3) return n <= maxLabels || largeCount(coarser) < 2 ? candidate : coarser;
        coarser = std::move(candidate);
    }
    return largeCount(coarser) >= 2 ? coarser : plainTicks(lo, hi, maxLabels);
}

namespace {

using namespace std::chrono;

constexpr long long secondsPerDay = 86400;
// Steps of fixed length, in seconds; then steps in months.
constexpr long long secondSteps[] = {1,   2,   5,    10,   15,    30,    60,    120,   300,
                                     600, 900, 1800, 3600, 10800, 21600, 43200, 86400, 172800};
constexpr long long monthSteps[] = {1,   3,    6,    12,   24,    60,    120,   240,
                                    600, 1200, 2400, 6000, 12000, 24000, 60000, 120000};
// Times beyond this many seconds from 1970 lie outside the calendar's years.
constexpr double timeLimit = 1e12;

// The smallest entry of steps that divides step into at most six parts, or 0 for none.
template <class Steps> long long subStep(const Steps& steps, long long step) {
    for (long long s : steps)
        if (s < step && step % s == 0 && step / s <= 6) return s;
    return 0;
}

// Local seconds of the first day of month index i (year * 12 + month - 1).
double monthStart(long long i) {
    const long long y = i >= 0 ? i / 12 : (i - 11) / 12;
    const year_month_day ymd{year(int(y)), month(unsigned(i - 12 * y + 1)), day(1)};
    return double(sys_days(ymd).time_since_epoch().count()) * secondsPerDay;
}

year_month_day civilDay(double localSeconds) {
    return year_month_day(sys_days(days(long(std::floor(localSeconds / secondsPerDay)))));
}

std::string format(const char* f, int a, int b = 0, int c = 0) {
    char s[48];
    std::snprintf(s, sizeof s, f, a, b, c);
    return s;
}

// The label of local time t for a step of the given kind, with the date (or year) below where
// it differs from the previous label's.
void label(Tick& t, double local, long long stepSeconds, long long stepMonths, std::string& last) {
    const year_month_day ymd = civilDay(local);
    const int y = int(ymd.year()), m = int(unsigned(ymd.month())), d = int(unsigned(ymd.day()));
    std::string below;
    if (stepMonths >= 12) {
        t.text = format("%d", y);
    } else if (stepMonths > 0) {
        static const char* const names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        t.text = names[m - 1];
        below = format("%d", y);
    } else if (stepSeconds >= secondsPerDay) {
        t.text = format("%02d-%02d", m, d);
        below = format("%d", y);
    } else {
        const long s = long(local - std::floor(local / secondsPerDay) * secondsPerDay);
        t.text = stepSeconds >= 60
                     ? format("%02d:%02d", int(s / 3600), int(s / 60 % 60))
                     : format("%02d:%02d:%02d", int(s / 3600), int(s / 60 % 60), int(s % 60));
        below = format("%04d-%02d-%02d", y, m, d);
    }
    if (below != last) t.below = below;
    last = below;
}

} // namespace

std::vector<Tick> timeTicks(double lo, double hi, int zoneMinutes, int maxLabels) {
    const double shift = 60.0 * zoneMinutes, a = lo + shift, b = hi + shift;
    if (!(lo < hi) || !(std::fabs(a) <= timeLimit && std::fabs(b) <= timeLimit)) return {};
    maxLabels = std::max(maxLabels, 2);
    std::vector<Tick> ticks;
    std::string last = "\n"; // the first label always gets its date
    for (long long s : secondSteps) {
        if (std::floor(b / s) - std::ceil(a / s) + 1 > maxLabels) continue;
        const long long sub = subStep(secondSteps, s), unit = sub ? sub : s;
        for (double n = std::ceil(a / unit); n * unit <= b; ++n) {
            const double local = n * unit;
            Tick t{local - shift, std::fmod(local, double(s)) == 0, "", "", ""};
            if (t.large) label(t, local, s, 0, last);
            ticks.push_back(std::move(t));
        }
        return ticks;
    }
    // Steps of months and years, aligned to multiples of the step counted from year 0.
    const year_month_day first = civilDay(a);
    long long i0 = int(first.year()) * 12LL + unsigned(first.month()) - 1;
    if (monthStart(i0) < a) ++i0;
    const year_month_day end = civilDay(b);
    const long long i1 = int(end.year()) * 12LL + unsigned(end.month()) - 1;
    for (long long step : monthSteps) {
        const long long count = floorDiv(long(i1), long(step)) - floorDiv(long(i0 - 1), long(step));
        if (count > maxLabels && step != monthSteps[std::size(monthSteps) - 1]) continue;
        const long long sub = subStep(monthSteps, step), unit = sub ? sub : step;
        for (long long i = i0; i <= i1; ++i) {
            if (i % unit != 0) continue;
            const double local = monthStart(i);
            Tick t{local - shift, i % step == 0, "", "", ""};
            if (t.large) label(t, local, 0, step, last);
            ticks.push_back(std::move(t));
        }
        return ticks;
    }
    return ticks;
}
