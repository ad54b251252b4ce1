#include "PlotFollow.h"

#include <cstdio>
#include <sys/stat.h>

InputFollower::InputFollower(PlotOptions options, size_t maxBytes)
    : m_options(std::move(options)), m_maxBytes(maxBytes), m_state(look()) {}

InputFollower::State InputFollower::look() const {
    struct stat st {};
    if (stat(m_options.input.c_str(), &st) != 0) return {};
    return {st.st_dev, st.st_ino, st.st_size,
            st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec};
}

std::unique_ptr<PlotFigure> InputFollower::poll() {
    const State now = look();
    if (now == m_state) return nullptr;
    m_state = now;
    std::string error;
    try {
        return std::make_unique<PlotFigure>(
            readCsvFile(m_options.input, m_maxBytes, m_options.format), m_options);
    } catch (const CsvError& e) {
        error = errorLine(m_options.input, e);
    } catch (const UsageError& e) {
        error = e.what();
    } catch (const std::bad_alloc&) {
        error = m_options.input + ": not enough memory for its points";
    }
    std::fprintf(stderr, "ploxen-plot: %s\n", error.c_str());
    return nullptr;
}
