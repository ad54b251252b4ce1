// Times as the plotter reads them from an x column: ISO 8601 date and time text, turned into
// seconds since the epoch (1970-01-01T00:00:00Z).
#pragma once

#include <optional>
#include <string_view>

// "2026-12-07", "2026-12-07T10:15:00", "2026-12-07 10:15:00.25Z", "2026-12-07T10:15+01:00":
// a date, optionally a time (hh:mm, hh:mm:ss, with fractional seconds) after 'T' or one space,
// and a zone (Z, +hh:mm, +hhmm or +hh). Text without a zone is UTC. Empty for anything else,
// impossible dates (2026-02-29) and times (24:00) included.
std::optional<double> parseIsoTime(std::string_view text);
