// The marks and labels of a logarithmic or a time axis, chosen from the values the axis shows
// (so a zoom chooses again). No device context is involved.
#pragma once

#include <string>
#include <vector>

struct Tick {
    double value;
    bool large;         // a large mark, labelled; otherwise a small one without label
    std::string text;   // the label
    std::string raised; // written after text, raised by half its height: an exponent
    std::string below;  // a second line under the label: the date or year where it changes
};

// A logarithmic axis showing lo..hi (0 < lo < hi) with room for maxLabels labels: large marks
// at decades (every k-th one where more than maxLabels would show; the others get small
// marks), small marks at 2..9; where fewer than three decades show, at 1-2-5, at 1..9 of each
// decade, or at plain steps. Decades 10^-3..10^4 read "0.001".."10000", others "10" with the
// exponent raised.
std::vector<Tick> logTicks(double lo, double hi, int maxLabels);

// A time axis showing lo..hi seconds since 1970-01-01 00:00 UTC, labelled in the time zone
// zoneMinutes east of UTC with the smallest step among 1/2/5/10/15/30 s, 1/2/5/10/15/30 min,
// 1/3/6/12 h, 1/2 days, 1/3/6 months and 1/2/5/10... years that gives at most maxLabels
// labels. Labels print what changes ("10:15"); the date (or, for steps of days and months, the
// year) goes below the first label and below each one where it changes.
std::vector<Tick> timeTicks(double lo, double hi, int zoneMinutes, int maxLabels);
