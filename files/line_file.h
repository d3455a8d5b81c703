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

    // Creates the file or empties it. Empty on success, otherwise why not.
    std::string Open(const std::string& path);
    // Writes the line and a line end. After the first failure nothing more
    // is written and Error() says why.
    bool WriteLine(const std::string& line);
    bool Failed() const { return !m_error.empty(); }
    const std::string& Error() const { return m_error; }
    const std::string& Path() const { return m_path; }

private:
    int m_fd = -1;
    long long m_size = 0;
    std::string m_path;
    std::string m_error;
};
