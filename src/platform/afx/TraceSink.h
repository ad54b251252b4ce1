// Records the platform calls made on a device context, in order, with their arguments.
// Tests fix the library's drawing as calls and values through it.
#pragma once

#include <string>
#include <vector>

struct TraceCall {
    std::string name;
    std::vector<std::string> args;

    std::string str() const; // "Name(a,b,c)"
    int arg(size_t i) const; // argument i read as an integer
};

class TraceSink {
public:
    void record(std::string name, std::vector<std::string> args);
    void clear() { m_calls.clear(); }

    const std::vector<TraceCall>& calls() const { return m_calls; }
    std::vector<std::string> lines() const;
    // The calls whose name is one of the given names, in order, as lines.
    std::vector<std::string> lines(const std::vector<std::string>& names) const;

private:
    std::vector<TraceCall> m_calls;
};
