#pragma once

#include <string>

// A log that grows while the program runs: the live-data log and the line
// trace. Unlike the settings and the tune files it is not replaced in one
// step, since what came before a crash is the point of it. Each line goes
// out in one write, and a write that fails part way is cut back, so the
// file always ends after a whole line.
class TLineFile {
public:
    TLineFile() = default;
    TLineFile(const TLineFile&) = delete;
    TLineFile& operator=(const TLineFile&) = delete;
    ~TLineFile();

    // Creates the file. One that holds something already is refused unless
    // force, which empties it. A pipe or a character device is written as a
    // stream, without waiting: a pipe that nothing reads is refused, and one
    // whose reader falls behind fails like a full disk. Empty on success,
    // otherwise why not, naming the path.
    std::string Open(const std::string& path, bool force = false);
    // Writes the line and a line end. After the first failure nothing more
    // is written and Error() says why.
    bool WriteLine(const std::string& line);
    bool Failed() const { return !m_error.empty(); }
    const std::string& Error() const { return m_error; }
    const std::string& Path() const { return m_path; }

private:
    std::string Refuse(const std::string& why);

    int m_fd = -1;
    bool m_stream = false;
    long long m_size = 0;
    std::string m_path;
    std::string m_error;
};
