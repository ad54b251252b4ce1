#include <ploxen/platform/afx/QtApplication.h>

#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Without XDG_RUNTIME_DIR (services, containers, ssh sessions) Qt prints a warning on every
// start and falls back to <temp>/runtime-<user>. That same private directory is made and
// handed to Qt beforehand, so the programs stay quiet; when it exists but is not private to
// this user it is left to Qt, whose warning then says what is wrong.
void provideRuntimeDir() {
    if (const char* set = std::getenv("XDG_RUNTIME_DIR"); set && *set) return;
    const passwd* user = getpwuid(geteuid());
    if (!user) return;
    const char* tmp = std::getenv("TMPDIR");
    std::string dir = std::string(tmp && *tmp ? tmp : "/tmp") + "/runtime-" + user->pw_name;
    mkdir(dir.c_str(), 0700);
    struct stat st {};
    if (lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() &&
        (st.st_mode & 0777) == 0700)
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
}

} // namespace

void ensureQtApplication() {
    if (QCoreApplication::instance()) return;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    provideRuntimeDir();
    static int argc = 1;
    static char name[] = "ploxen";
    static char* argv[] = {name, nullptr};
    // Qt sets the C library's locale to the user's; the host's stays as the host had it (the
    // library reads and writes numbers the C way whatever the locale).
    const std::string hostLocale = setlocale(LC_ALL, nullptr);
    // Lives for the rest of the process, as a host's own application object would.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    setlocale(LC_ALL, hostLocale.c_str());
}

bool hasDisplay() {
    ensureQtApplication();
    const QString p = QGuiApplication::platformName();
    return p != QLatin1String("offscreen") && p != QLatin1String("minimal");
}
