#include <ploxen/platform/afx/TraceSink.h>

#include <algorithm>
#include <cstdlib>

std::string TraceCall::str() const {
    std::string s = name + "(";
    for (size_t i = 0; i < args.size(); ++i) s += (i ? "," : "") + args[i];
    return s + ")";
}

int TraceCall::arg(size_t i) const {
    return i < args.size() ? std::atoi(args[i].c_str()) : 0;
}

void TraceSink::record(std::string name, std::vector<std::string> args) {
    m_calls.push_back({std::move(name), std::move(args)});
}

std::vector<std::string> TraceSink::lines() const {
    std::vector<std::string> out;
    for (const TraceCall& c : m_calls) out.push_back(c.str());
    return out;
}

std::vector<std::string> TraceSink::lines(const std::vector<std::string>& names) const {
    std::vector<std::string> out;
    for (const TraceCall& c : m_calls)
        if (std::find(names.begin(), names.end(), c.name) != names.end()) out.push_back(c.str());
    return out;
}
