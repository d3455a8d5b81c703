#include "app/command_line.h"

#include <array>

void ApplyCommandLine(const std::vector<std::string>& arguments, std::uint8_t& languageIndex)
{
    static const std::array<const char*, 4> words{"ENGLISH", "DEUTSCH", "FRANCE", "CESKY"};
    if (arguments.empty())
        return;
    for (std::uint8_t language = 0; language < words.size(); ++language)
        if (arguments.front() == words[language]) {
            languageIndex = language;
            return;
        }
}

TStartOptions ParseStartOptions(const std::vector<std::string>& arguments)
{
    TStartOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != "--screenshot")
            continue;
        if (i + 1 == arguments.size()) {
            options.Error = "--screenshot needs a file name";
            break;
        }
        options.ScreenshotPath = arguments[++i];
    }
    return options;
}
