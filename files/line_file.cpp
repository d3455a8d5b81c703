#include "files/line_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

TLineFile::~TLineFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::string TLineFile::Open(const std::string& path)
{
    m_path = path;
    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (m_fd < 0)
        m_error = path + ": " + std::strerror(errno);
    return m_error;
}

bool TLineFile::WriteLine(const std::string& line)
{
    if (m_fd < 0 || Failed())
        return false;
    const std::string text = line + "\n";
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = ::write(m_fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            m_error = m_path + ": " + std::strerror(wrote < 0 ? errno : ENOSPC);
            // Half a line would spoil the last row of a CSV.
            if (done > 0 && ::ftruncate(m_fd, m_size) != 0)
                m_error += " (the last line is incomplete)";
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    m_size += static_cast<long long>(text.size());
    return true;
}
