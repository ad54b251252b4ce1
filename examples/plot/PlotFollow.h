// --follow: the input file a logger is writing, read again whenever it has changed.
#pragma once

#include <memory>
#include <sys/types.h>

#include "PlotFigure.h"
#include "PlotOptions.h"

class InputFollower {
public:
    // Takes the file's state now: a later change is one after this.
    InputFollower(PlotOptions options, size_t maxBytes);

    // The figure of the file as it is now, when its size, time or identity changed since the
    // last look; null when unchanged, or when it cannot be read or plotted (then said on
    // stderr in the plotter's one-line form, once per change: the last figure stays).
    std::unique_ptr<PlotFigure> poll();

private:
    struct State {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = -1;
        long long mtime = 0; // nanoseconds
        bool operator==(const State&) const = default;
    };
    State look() const;

    PlotOptions m_options;
    size_t m_maxBytes;
    State m_state;
};
