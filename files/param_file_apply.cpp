#include "files/param_file.h"

bool ApplyParamFile(const std::string& text, TParamImage& image)
{
    TParamImage read = image;
    if (!ReadParamFile(text, read))
        return false;
    image.Bytes = read.Bytes;
    image.ResetPushMemory(); // a whole new curve, not an edit of the old one
    image.Normalise();
    return true;
}
