#include "VolumeSets.h"

#include "SetParts.h"

#include <cctype>

namespace unzip32 {

namespace {

// NAME.partN.rar: where the digits begin and how many there are; false when
// the name is not of that form.
bool PartDigits(const std::string &path, size_t &begin, size_t &count)
{
    if (!EndsWithNoCase(path, ".rar"))
        return false;
    size_t end = path.size() - 4, at = end;
    while (at > 0 && std::isdigit(static_cast<unsigned char>(path[at - 1])))
        --at;
    if (at == end || at < 5 || !EndsWithNoCase(path.substr(0, at), ".part"))
        return false;
    begin = at;
    count = end - at;
    return true;
}

std::string Numbered(size_t number, size_t width)
{
    std::string digits = std::to_string(number);
    return std::string(digits.size() < width ? width - digits.size() : 0, '0') + digits;
}

std::vector<std::string> Collect(const std::string &first, size_t most,
                                 std::string (*name)(const std::string &, size_t))
{
    std::vector<std::string> parts;
    for (size_t number = 0; number < most; ++number) {
        std::string path = name(first, number);
        if (!RegularFileSize(path))
            break;
        parts.push_back(std::move(path));
    }
    return parts;
}

} // namespace

std::vector<std::string> VolumesOfSet(const std::string &path)
{
    if (EndsWithNoCase(path, ".7z.001")) {
        std::vector<std::string> parts;
        for (FoundPart &part : FindSplitParts(path))
            parts.push_back(std::move(part.path));
        return parts;
    }
    size_t begin = 0, count = 0;
    if (PartDigits(path, begin, count)) {
        if (std::stoul(path.substr(begin, count)) != 1)
            return {};
        return Collect(path, kMostSplitParts, [](const std::string &first, size_t number) {
            size_t at = 0, width = 0;
            PartDigits(first, at, width);
            return first.substr(0, at) + Numbered(number + 1, width) + first.substr(at + width);
        });
    }
    if (!EndsWithNoCase(path, ".rar"))
        return {};
    // The old naming: NAME.rar first, then NAME.r00 to NAME.r99 (and on to
    // NAME.s00 when a set outgrows them), the letter in the .rar's case.
    auto old = [](const std::string &first, size_t number) {
        if (number == 0)
            return first;
        std::string stem = first.substr(0, first.size() - 3);
        char r = first[first.size() - 3];
        return stem + char(r + (number - 1) / 100) + Numbered((number - 1) % 100, 2);
    };
    if (!RegularFileSize(old(path, 1)))
        return {};
    return Collect(path, 2 + 26 * 100, old);
}

} // namespace unzip32
