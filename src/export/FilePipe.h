// A name that a device writes a file to, whose bytes reach a FileReplacement: the platform's
// writers (printer, metafile, image) take file names and do not all report failed writes, so
// they write into a pipe whose reader passes the bytes on and keeps the reason of a failure.
// The reader drains the pipe to its end even then, so that the writer never waits.
#pragma once

#include <string>
#include <thread>

class FileReplacement;

class FilePipe {
public:
    // Fails (ok() false, errno set) when no pipe can be made.
    explicit FilePipe(FileReplacement& file);
    ~FilePipe();
    FilePipe(const FilePipe&) = delete;
    FilePipe& operator=(const FilePipe&) = delete;

    bool ok() const { return m_ends[1] >= 0; }
    // The name the device opens for writing.
    std::string name() const;
    // Waits until every byte the device wrote has reached the file; the device must have
    // closed the name.
    void finish();

private:
    int m_ends[2] = {-1, -1};
    std::thread m_reader;
};
