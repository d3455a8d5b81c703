// Any bytes as the image copy. The bytes stored must be the low bytes of the
// leading words that are decimal numbers, in order, up to the hundredth;
// every byte past them keeps its value; and what was read saves and reads
// back as itself.
#include "files/image_copy.h"
#include "fuzz_input.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

void Check(bool holds, const char* what)
{
    FuzzCheck(holds, "image copy", what);
}

bool AllDigits(const std::string& word)
{
    return word.find_first_not_of("0123456789") == std::string::npos;
}

// 256 divides 10^8, so the last eight digits alone fix the low byte.
std::uint8_t LowByteOf(const std::string& digits)
{
    const std::size_t from = digits.size() > 8 ? digits.size() - 8 : 0;
    return static_cast<std::uint8_t>(std::stoul(digits.substr(from)) & 0xFFu);
}

TImageBytes Patterned(unsigned seed)
{
    TImageBytes bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + 41u * i);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const TImageBytes before = Patterned(static_cast<unsigned>(size));
    TImageBytes bytes = before;
    const std::size_t count = ParseImageCopy(text, bytes);

    // The C locale's blanks are the copy's word separators.
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; words.size() < bytes.size() + 1 && in >> word;)
        words.push_back(word);
    std::size_t numbers = 0;
    while (numbers < words.size() && numbers < bytes.size() && AllDigits(words[numbers]))
        ++numbers;
    Check(count == numbers, "stopped at another word than the first that is no number");
    for (std::size_t i = 0; i < bytes.size(); ++i)
        Check(bytes[i] == (i < count ? LowByteOf(words[i]) : before[i]),
              i < count ? "a number stored as another byte" : "a byte past the numbers changed");

    TImageBytes again = Patterned(static_cast<unsigned>(size) + 1);
    Check(ParseImageCopy(FormatImageCopy(bytes), again) == bytes.size() && again == bytes,
          "a saved copy reads back as another image");
    return 0;
}
