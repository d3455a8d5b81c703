#include "app/command_line.h"

#include <array>

void ApplyCommandLine(const std::vector<std::string>& words, std::uint8_t& languageIndex)
{
    static const std::array<const char*, 4> languages{"ENGLISH", "DEUTSCH", "FRANCE", "CESKY"};
    if (words.empty())
        return;
    for (std::uint8_t language = 0; language < languages.size(); ++language)
        if (words.front() == languages[language]) {
            languageIndex = language;
            return;
        }
}

// Options take their value as the next argument or after "=". Anything else
// starting with "-" is refused: a mistyped "--prot" must not quietly leave
// the program probing every serial device of the machine.
TStartOptions ParseStartOptions(const std::vector<std::string>& arguments)
{
    TStartOptions options;
    for (std::size_t i = 0; i < arguments.size() && options.Error.empty(); ++i) {
        std::string option = arguments[i];
        if (option.size() < 2 || option[0] != '-') {
            options.Words.push_back(option);
            continue;
        }
        std::string value;
        bool hasValue = false;
        const std::size_t equals = option.find('=');
        if (option.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
            hasValue = true;
        }
        const bool takesValue = option == "--port" || option == "--screenshot" ||
                                option == "--log" || option == "--trace";
        if (!takesValue && hasValue) {
            options.Error = option + " takes no value";
        } else if (option == "--demo") {
            options.Demo = true;
        } else if (option == "--force") {
            options.Force = true;
        } else if (option == "--help" || option == "-h") {
            options.Help = true;
        } else if (option == "--version") {
            options.Version = true;
        } else if (!takesValue) {
            options.Error = "unknown option " + option;
        } else {
            if (!hasValue && i + 1 < arguments.size())
                value = arguments[++i];
            // "--log=" would otherwise quietly log nothing.
            if (value.empty())
                options.Error = option == "--port" ? "--port needs a device path"
                                                   : option + " needs a file name";
            else if (option == "--port")
                options.Ports.push_back(value);
            else if (option == "--log")
                options.LogPath = value;
            else if (option == "--trace")
                options.TracePath = value;
            else
                options.ScreenshotPath = value;
        }
    }
    return options;
}

std::string UsageText()
{
    return "Usage: kolvane [options] [ENGLISH|DEUTSCH|FRANCE|CESKY]\n"
           "Reads, edits, verifies and programs the parameters of an ignition unit\n"
           "on a serial port, and shows the live data the unit reports.\n"
           "\n"
           "Options:\n"
           "  --port DEVICE        use this serial device (repeat for Com 2, Com 3, ...);\n"
           "                       without it the Com menu numbers the machine's devices\n"
           "  --demo               start a simulated unit and talk to it\n"
           "  --screenshot FILE    save a picture of the window after a few ticks, then end\n"
           "  --log FILE.csv       write a CSV row for every live-data answer of the unit\n"
           "  --trace FILE         write every frame sent and received, and dropped bytes\n"
           "  --force              let --log and --trace empty a file that holds something\n"
           "  -h, --help           show this text and end\n"
           "  --version            show the program's version and end\n"
           "\n"
           "The language word picks the interface language; it overrides the saved one.\n";
}
