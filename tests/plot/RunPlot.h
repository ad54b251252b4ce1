// Runs the built ploxen-plot program as a process: its status, and what it wrote to stderr.
#pragma once

#include <QProcess>
#include <string>
#include <vector>

namespace plot_test {

struct PlotRun {
    int status = -1;
    std::string err;
};

// Runs in directory cwd (when given), with input on stdin; env: extra variables NAME=VALUE,
// or NAME alone to remove one; shell: commands that sh runs before the program replaces it.
inline PlotRun runPlot(const std::vector<std::string>& args, const std::string& cwd = {},
                       const std::string& input = {}, const std::vector<std::string>& env = {},
                       const std::string& shell = {}) {
    QProcess p;
    if (!cwd.empty()) p.setWorkingDirectory(QString::fromStdString(cwd));
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    // Under the sanitizers, the leak checker's note on suppressed reports is no output of ours.
    if (e.contains("LSAN_OPTIONS"))
        e.insert("LSAN_OPTIONS", e.value("LSAN_OPTIONS") + ":print_suppressions=0");
    for (const std::string& v : env) {
        const size_t eq = v.find('=');
        if (eq == std::string::npos)
            e.remove(QString::fromStdString(v));
        else
            e.insert(QString::fromStdString(v.substr(0, eq)),
                     QString::fromStdString(v.substr(eq + 1)));
    }
    p.setProcessEnvironment(e);
    QStringList list;
    if (!shell.empty())
        list << "-c" << QString::fromStdString(shell + "; exec \"$0\" \"$@\"")
             << QStringLiteral(PLOXEN_PLOT_PROGRAM);
    for (const std::string& a : args) list << QString::fromStdString(a);
    p.start(shell.empty() ? QStringLiteral(PLOXEN_PLOT_PROGRAM) : QStringLiteral("/bin/sh"), list);
    if (!p.waitForStarted()) return {};
    p.write(input.data(), qint64(input.size()));
    p.closeWriteChannel();
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) return {};
    return {p.exitCode(), p.readAllStandardError().toStdString()};
}

} // namespace plot_test
