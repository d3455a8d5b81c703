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
        const std::string& option = arguments[i];
        if (option == "--demo") {
            options.Demo = true;
            continue;
        }
        if (option != "--screenshot" && option != "--port")
            continue;
        if (i + 1 == arguments.size()) {
            options.Error = option == "--port" ? "--port needs a device path"
                                               : "--screenshot needs a file name";
            break;
        }
        const std::string& value = arguments[++i];
        if (option == "--port")
            options.Ports.push_back(value);
        else
            options.ScreenshotPath = value;
    }
    return options;
}
