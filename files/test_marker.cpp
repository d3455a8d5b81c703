#include "files/test_marker.h"

bool HasDiagSwitch(const std::string& text)
{
    constexpr char Word[] = "DIAG_SWITCH";
    const char* const spaces = " \t\n\r\v\f";
    std::size_t start = text.find_first_not_of(spaces);
    while (start != std::string::npos) {
        std::size_t end = text.find_first_of(spaces, start);
        if (end == std::string::npos)
            end = text.size();
        if (text.compare(start, end - start, Word) == 0)
            return true;
        start = text.find_first_not_of(spaces, end);
    }
    return false;
}
