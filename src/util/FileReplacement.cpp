#include <ploxen/util/FileReplacement.h>

#include <ploxen/platform/kernel/PosixBridge.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMaxLinks = 40; // as the kernel follows at most 40 links in a path

// The folder part of path, for names made beside it ("" when path has none).
std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// path with its final component's symbolic links followed, even to a file that does not exist
// yet; an empty string with errno set when the links cannot be followed.
std::string followLinks(std::string path) {
    for (int links = 0;; ++links) {
        char target[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), target, sizeof target);
        if (n < 0) {
            if (errno == EINVAL || errno == ENOENT) return path; // no link, or nothing there
            return {};
        }
        if (links == kMaxLinks || size_t(n) == sizeof target) {
            errno = links == kMaxLinks ? ELOOP : ENAMETOOLONG;
            return {};
        }
        const std::string to(target, size_t(n));
        path = to[0] == '/' ? to : folderOf(path) + to;
    }
}

// A short hidden name in folder that no file has yet when made: ".plx" and six random letters
// or digits.
std::string hiddenName(const std::string& folder) {
    static const char chars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static thread_local std::minstd_rand random{std::random_device{}()};
    std::string name = folder + ".plx";
    for (int i = 0; i < 6; ++i) name += chars[random() % (sizeof chars - 1)];
    return name;
}

void holdInterrupts(sigset_t* old) {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &set, old);
}

} // namespace

FileReplacement::FileReplacement(const char* path) {
    if (!path || !*path) {
        failWith(ENOENT);
        return;
    }
    m_target = followLinks(path);
    if (m_target.empty()) {
        failWith(errno);
        return;
    }
    struct stat st {};
    const bool exists = stat(m_target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) {
        failWith(errno);
        return;
    }
    if (exists && S_ISDIR(st.st_mode)) {
        failWith(EISDIR);
        return;
    }
    if (exists && !S_ISREG(st.st_mode)) { // a device or a pipe: nothing to rename over it
        m_direct = true;
        m_fd = open(m_target.c_str(), O_WRONLY | O_CLOEXEC);
        if (m_fd < 0) failWith(errno);
        return;
    }
    // A file without write permission for anyone is read-only, even to a privileged user.
    if (exists && ((st.st_mode & 0222) == 0 ||
                   faccessat(AT_FDCWD, m_target.c_str(), W_OK, AT_EACCESS) != 0)) {
        failWith((st.st_mode & 0222) == 0 ? EACCES : errno);
        return;
    }
    // A new file gets 0666 less the umask; an existing one's mode is set once it is open.
    const mode_t mode = exists ? 0600 : 0666;
    const std::string folder = folderOf(m_target);
    m_fd = open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (m_fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        holdInterrupts(&m_oldMask);
        m_holding = true;
        for (int attempt = 0; m_fd < 0 && attempt < 100; ++attempt) {
            m_temp = hiddenName(folder);
            m_fd = open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (m_fd < 0 && errno != EEXIST) break;
        }
        if (m_fd < 0) m_temp.clear();
    }
    if (m_fd < 0) {
        failWith(errno);
        return;
    }
    if (!exists) return;
    // Only a privileged user may give the file to its old owner; others make it theirs.
    if (st.st_uid != geteuid() || st.st_gid != getegid()) {
        const int given = fchown(m_fd, st.st_uid, st.st_gid);
        (void)given;
    }
    fchmod(m_fd, st.st_mode & 07777);
}

FileReplacement::~FileReplacement() {
    drop();
}

bool FileReplacement::write(const void* data, std::size_t size) {
    if (m_error) return false;
    const char* p = static_cast<const char*>(data);
    // Past the file size limit, the write fails with EFBIG instead of ending the process.
    const int error = withSizeSignalHeld([&] {
        while (size > 0) {
            const ssize_t n = ::write(m_fd, p, size);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return n < 0 ? errno : ENOSPC;
            p += n;
            size -= size_t(n);
        }
        return 0;
    });
    return !error || failWith(error);
}

bool FileReplacement::commit() {
    if (m_error) {
        drop();
        errno = m_error;
        return false;
    }
    if (m_direct) {
        const int fd = m_fd;
        m_fd = -1;
        return close(fd) == 0 || failWith(errno);
    }
    if (fsync(m_fd) != 0) {
        failWith(errno);
        drop();
        return false;
    }
    if (!m_holding) {
        holdInterrupts(&m_oldMask);
        m_holding = true;
    }
    bool ok = true;
    if (m_temp.empty()) { // give the unnamed file a name
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_temp = hiddenName(folderOf(m_target));
            if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, m_temp.c_str(), AT_SYMLINK_FOLLOW) == 0)
                break;
            m_temp.clear();
            if (errno != EEXIST) break;
        }
        ok = !m_temp.empty() || failWith(errno);
    }
    const int fd = m_fd;
    m_fd = -1;
    ok = (close(fd) == 0 || failWith(errno)) && ok;
    ok = ok && (rename(m_temp.c_str(), m_target.c_str()) == 0 || failWith(errno));
    if (ok) m_temp.clear();
    drop();
    if (!ok) errno = m_error;
    return ok;
}

const char* FileReplacement::reason() const {
    return std::strerror(m_error);
}

bool FileReplacement::failWith(int errnoValue) {
    if (!m_error) m_error = errnoValue ? errnoValue : EIO;
    errno = m_error;
    return false;
}

// Closes and removes what was not committed, and lets the interrupts through again.
void FileReplacement::drop() {
    const int saved = errno;
    if (m_fd >= 0) close(m_fd);
    m_fd = -1;
    if (!m_temp.empty()) unlink(m_temp.c_str());
    m_temp.clear();
    if (m_holding) pthread_sigmask(SIG_SETMASK, &m_oldMask, nullptr);
    m_holding = false;
    errno = saved;
}
