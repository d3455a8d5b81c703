#include "files/line_file.h"

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A pipe whose reader has gone raises SIGPIPE, which would end the program
// with its settings unsaved; the write fails with EPIPE instead.
ssize_t WriteWithoutSigpipe(int fd, const char* data, std::size_t size)
{
    sigset_t pipe, pending, old;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    sigpending(&pending);
    const bool wasPending = sigismember(&pending, SIGPIPE) == 1;
    pthread_sigmask(SIG_BLOCK, &pipe, &old);
    const ssize_t wrote = ::write(fd, data, size);
    const int error = errno;
    if (wrote < 0 && error == EPIPE && !wasPending) {
        const timespec none{};
        sigtimedwait(&pipe, nullptr, &none);
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    errno = error;
    return wrote;
}

} // namespace

TLineFile::~TLineFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::string TLineFile::Open(const std::string& path, bool force)
{
    m_path = path;
    // No O_TRUNC: what is there is looked at first. O_NONBLOCK: a pipe with
    // no reader fails at once (ENXIO) instead of holding up the start, and a
    // full one never holds up a tick.
    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        const int error = errno;
        struct stat info {};
        m_error = path + ": " +
                  (error == ENXIO && ::stat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode)
                       ? std::string("a pipe that nothing reads")
                       : std::strerror(error));
        return m_error;
    }
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        return Refuse(std::strerror(errno));
    m_stream = S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode);
    if (!m_stream && !S_ISREG(info.st_mode))
        return Refuse("neither a file, a pipe nor a character device");
    if (!m_stream && info.st_size > 0) {
        if (!force)
            return Refuse("holds something already (--force overwrites it)");
        if (::ftruncate(m_fd, 0) != 0)
            return Refuse(std::strerror(errno));
    }
    return {};
}

std::string TLineFile::Refuse(const std::string& why)
{
    ::close(m_fd);
    m_fd = -1;
    m_error = m_path + ": " + why;
    return m_error;
}

bool TLineFile::WriteLine(const std::string& line)
{
    if (m_fd < 0 || Failed())
        return false;
    const std::string text = line + "\n";
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = WriteWithoutSigpipe(m_fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            // EAGAIN: a reader that has let a whole pipe fill up is not
            // waited for, the tick goes on.
            m_error =
                m_path + ": " +
                (wrote < 0 && errno == EAGAIN ? std::string("nothing takes the lines any more")
                                              : std::strerror(wrote < 0 ? errno : ENOSPC));
            // Half a line would spoil the last row of a CSV; a stream
            // cannot be cut back.
            if (!m_stream && done > 0 && ::ftruncate(m_fd, m_size) != 0)
                m_error += " (the last line is incomplete)";
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    m_size += static_cast<long long>(text.size());
    return true;
}
