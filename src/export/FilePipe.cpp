#include <ploxen/export/FilePipe.h>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include <ploxen/util/FileReplacement.h>

FilePipe::FilePipe(FileReplacement& file) {
    if (pipe2(m_ends, O_CLOEXEC) != 0) {
        m_ends[0] = m_ends[1] = -1;
        return;
    }
    m_reader = std::thread([this, &file] {
        std::vector<char> block(size_t(1) << 16);
        for (;;) {
            const ssize_t n = read(m_ends[0], block.data(), block.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            file.write(block.data(), size_t(n));
        }
    });
}

FilePipe::~FilePipe() {
    finish();
    if (m_ends[0] >= 0) close(m_ends[0]);
}

std::string FilePipe::name() const {
    return "/proc/self/fd/" + std::to_string(m_ends[1]);
}

void FilePipe::finish() {
    if (m_ends[1] >= 0) close(m_ends[1]);
    m_ends[1] = -1;
    if (m_reader.joinable()) m_reader.join();
}
