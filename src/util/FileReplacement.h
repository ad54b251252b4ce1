// Replaces a file's content so that its name holds either the old content or the complete new
// one, whatever happens: a full disk, a write error or a signal leaves the old file. Every file
// the library and its programs write goes through this class.
//
// How: the name is resolved through symbolic links (a link stays a link; its target gets the
// new content), and the new content goes into an unnamed file (O_TMPFILE) in the target's
// directory, so there is nothing to remove when the process dies. commit() syncs it, links it
// under a short hidden name (".plx" and six random characters, whatever the length of the
// target's name) and renames that over the target, with SIGINT and SIGTERM held for those two
// calls only. Where the file system has no unnamed files, the content goes straight into such a
// short hidden file, removed unless committed; the calling thread then holds SIGINT and SIGTERM
// until the object commits or is dropped, so that an interrupt cannot leave it behind.
//
// The rules of the name it replaces: a target that is not a regular file (a device such as
// /dev/full, a pipe) is written in place, as there is nothing to rename over it; a directory is
// refused (EISDIR), and so is a file the user may not write (EACCES), also for a privileged user
// when the file has no write permission for anyone. An existing file keeps its permission bits
// and, where allowed, its owner; a new one gets 0666 less the umask.
//
// Failures are errno values: error() holds the first, errno is set when a call fails, and
// reason() gives the system's text for it. Passing the file size limit fails a write with
// EFBIG instead of ending the process. Interrupts are held in the calling thread only, as
// pthread_sigmask holds them; a program whose other threads take them should block them there.
// Hard links of the old file keep the old content: the name gets a new file.
#pragma once

#include <csignal>
#include <cstddef>
#include <string>

#include <ploxen/platform/afx/AfxExtClass.h>

class AFX_EXT_CLASS FileReplacement {
public:
    // Prepares the new content of path; check error() before writing.
    explicit FileReplacement(const char* path);
    // Drops the new content unless it was committed.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // The descriptor to write the new content to (-1 after a failure to prepare).
    int fd() const { return m_fd; }
    // Writes all of data, or fails (false) and keeps the reason.
    bool write(const void* data, std::size_t size);
    // Puts the complete new content under the name. False when it could not, the old content
    // staying in place.
    bool commit();

    int error() const { return m_error; }
    const char* reason() const;

private:
    bool failWith(int errnoValue);
    void drop();

    std::string m_target; // the name to replace, through its links
    std::string m_temp;   // the hidden name of the new content while it has one
    int m_fd = -1;
    int m_error = 0;
    bool m_direct = false;  // written in place: the target is no regular file
    bool m_holding = false; // SIGINT and SIGTERM held for the named temporary file
    sigset_t m_oldMask{};
};
