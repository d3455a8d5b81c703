#include "files/param_listing.h"

#include <algorithm>

namespace {

// The pick-up polarity's choices, in the order of its byte.
const std::vector<std::string> PolarityWords{"positive", "negative", "selfsearch"};

struct TNamedByte {
    int Byte;
    std::string Name;
    std::string Unit;
    int Scale;
    const std::vector<std::string>* Words = nullptr; // a choice, named by its byte
};

std::string WordOf(const TNamedByte& named, int byte)
{
    if (!named.Words)
        return {};
    return byte < static_cast<int>(named.Words->size()) ? (*named.Words)[byte]
                                                        : "unknown " + std::to_string(byte);
}

std::vector<TNamedByte> NamedBytes()
{
    std::vector<TNamedByte> named;
    for (int p = 0; p < CurvePoints; ++p) {
        const std::string point = "point " + std::to_string(p + 1);
        named.push_back({ImageByte::CurveSpeed + p, point + " speed", "rpm", 100});
        named.push_back({ImageByte::CurveAdvance + p, point + " advance", "deg", 1});
    }
    named.push_back({ImageByte::PointCount, "points", "", 1});
    named.push_back({ImageByte::BaseAdvance, "base advance", "deg", 1});
    named.push_back({ImageByte::Limiter, "limiter", "rpm", 100});
    named.push_back({ImageByte::Polarity, "polarity", "", 1, &PolarityWords});
    named.push_back({ImageByte::ReadLock, "read lock", "", 1});
    return named;
}

} // namespace

std::vector<TParamValue> ListParams(const TParamImage& image)
{
    std::vector<TParamValue> values;
    for (const TNamedByte& named : NamedBytes())
        values.push_back({named.Name, named.Unit, image[named.Byte] * named.Scale,
                          WordOf(named, image[named.Byte])});
    return values;
}

std::vector<TParamChange> DiffParams(const TParamImage& from, const TParamImage& to)
{
    const std::vector<TNamedByte> named = NamedBytes();
    std::vector<TParamChange> changes;
    for (const TNamedByte& value : named)
        if (from[value.Byte] != to[value.Byte])
            changes.push_back({value.Name, value.Unit, from[value.Byte] * value.Scale,
                               to[value.Byte] * value.Scale, WordOf(value, from[value.Byte]),
                               WordOf(value, to[value.Byte])});
    for (int byte = BlockSize; byte < ImageSize; ++byte) {
        const bool isNamed = std::any_of(named.begin(), named.end(),
                                         [byte](const TNamedByte& n) { return n.Byte == byte; });
        if (!isNamed && from[byte] != to[byte])
            changes.push_back({"byte " + std::to_string(byte), "", from[byte], to[byte], "", ""});
    }
    return changes;
}
