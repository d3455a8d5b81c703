#pragma once

#include <csignal>

#include <sys/resource.h>

// A file-size limit for this process while the object lives, as a full disk
// would stop a file. Ignoring SIGXFSZ turns the signal into a failed write.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes < m_saved.rlim_max ? bytes : m_saved.rlim_max;
        m_set = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedSignal);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;
    bool Set() const { return m_set; }

private:
    rlimit m_saved{};
    void (*m_savedSignal)(int) = SIG_DFL;
    bool m_set = false;
};
