// Any bytes as a parameter file. Beyond what the sanitizers catch, every
// input must leave the bytes outside the file's keys as they were (all bytes
// without the key), give the same image when read a second time over its
// own result, and make an image that saves and opens as itself.
#include "files/param_file.h"
#include "fuzz_input.h"
#include "tests/files/param_file_samples.h"

#include <string>

namespace {

void Check(bool holds, const char* what)
{
    FuzzCheck(holds, "ign reader", what);
}

// No two neighbours alike, so a value stored one byte off shows.
TParamImage Patterned(unsigned seed)
{
    TParamImage image;
    for (int i = 0; i < ImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(seed + 37u * static_cast<unsigned>(i));
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const TParamImage before = Patterned(static_cast<unsigned>(size));
    TParamImage image = before;
    const bool ok = ReadParamFile(text, image);
    for (int i = 0; i < ImageSize; ++i)
        Check(image[i] == before[i] || (ok && InParamFile(i)), "a byte outside the file changed");
    if (!ok)
        return 0;
    Check(text.find("VARNOTEK_KEY") != std::string::npos, "opened without the key");

    TParamImage again = image;
    Check(ReadParamFile(text, again) && again.Bytes == image.Bytes, "a second read differs");

    const std::string saved = WriteParamFile(image);
    const TParamImage fresh = Patterned(static_cast<unsigned>(size) + 1);
    TParamImage reopened = fresh;
    Check(ReadParamFile(saved, reopened), "a saved file does not open");
    for (int i = 0; i < ImageSize; ++i) {
        const int expected = !InParamFile(i)            ? fresh[i]
                             : i == ImageByte::ReadLock ? image[i] != 0
                                                        : image[i];
        Check(reopened[i] == expected, "a saved file opens to another image");
    }
    Check(WriteParamFile(reopened) == saved, "saving again gives another file");
    return 0;
}
