// What the kernel functions share with the library's code that calls POSIX itself (the file
// replacement that writes every file, CFileException's errno constructors): the platform error
// code for an errno value, and writes past the file size limit failing instead of ending the
// process. Not installed: hosts use the kernel functions.
#pragma once

#include <cerrno>
#include <csignal>
#include <ctime>

#include <ploxen/platform/afx/types.h>

// The platform error code for a C errno value (unknown values give ERROR_GEN_FAILURE).
DWORD errnoToError(int errnoValue);

// Runs f with SIGXFSZ held for this thread, so that passing the file size limit fails the call
// with EFBIG instead of ending the process; a signal the call raised is taken back.
template <class F> auto withSizeSignalHeld(F f) {
    sigset_t xfsz, old;
    sigemptyset(&xfsz);
    sigaddset(&xfsz, SIGXFSZ);
    pthread_sigmask(SIG_BLOCK, &xfsz, &old);
    errno = 0;
    auto result = f();
    const int saved = errno;
    if (!sigismember(&old, SIGXFSZ)) {
        const timespec now{0, 0};
        if (saved == EFBIG) sigtimedwait(&xfsz, nullptr, &now); // one pending signal at most
        pthread_sigmask(SIG_SETMASK, &old, nullptr);
    }
    errno = saved;
    return result;
}
