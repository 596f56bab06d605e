#include "EntryNames.h"

#include "Wildcard.h"

#include <algorithm>
#include <cstdint>

namespace unzip32 {

std::string NormalisedName(const std::string &name)
{
    std::string result = name;
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

namespace {

char fold(char c, bool caseSensitive) { return (!caseSensitive && c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// "*" matches any run of bytes (also "/"), "?" any one byte.
bool wildcardMatch(const std::string &pattern, const std::string &text, bool caseSensitive)
{
    return WildcardMatches(
        text, pattern, [caseSensitive](char a, char b) { return fold(a, caseSensitive) == fold(b, caseSensitive); });
}

} // namespace

NameFilter::NameFilter(std::vector<std::string> include, std::vector<std::string> exclude, bool caseSensitive)
    : m_include(std::move(include)), m_exclude(std::move(exclude)), m_caseSensitive(caseSensitive)
{
    for (auto *list : {&m_include, &m_exclude})
        for (std::string &name : *list)
            name = NormalisedName(name);
}

bool NameFilter::matchesAny(const std::vector<std::string> &patterns, const std::string &name) const
{
    for (const std::string &pattern : patterns) {
        if (wildcardMatch(pattern, name, m_caseSensitive))
            return true;
        // A folder name selects everything under it.
        if (!pattern.empty() && pattern.back() == '/' && name.size() > pattern.size()
            && wildcardMatch(pattern + "*", name, m_caseSensitive))
            return true;
    }
    return false;
}

bool NameFilter::selects(const std::string &normalisedName) const
{
    if (!m_include.empty() && !matchesAny(m_include, normalisedName))
        return false;
    return !matchesAny(m_exclude, normalisedName);
}

namespace {

// Length of the control character at `at` (1 for C0 and DEL, 2 for a UTF-8
// encoded C1), or 0.
size_t controlAt(const std::string &text, size_t at)
{
    unsigned char c = static_cast<unsigned char>(text[at]);
    if (c < 0x20 || c == 0x7F)
        return 1;
    if (c == 0xC2 && at + 1 < text.size()) {
        unsigned char next = static_cast<unsigned char>(text[at + 1]);
        if (next >= 0x80 && next <= 0x9F)
            return 2;
    }
    return 0;
}

std::string replaceControls(const std::string &text, char with)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t n = controlAt(text, i);
        if (n) {
            out += with;
            i += n;
        } else {
            out += text[i++];
        }
    }
    return out;
}

} // namespace

std::vector<std::string> SafeComponents(const std::string &normalisedName, bool useFolderNames, bool spaceToUnderscore)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= normalisedName.size()) {
        size_t slash = normalisedName.find('/', start);
        if (slash == std::string::npos)
            slash = normalisedName.size();
        std::string part = normalisedName.substr(start, slash - start);
        start = slash + 1;
        if (part.empty() || part == "." || part == "..")
            continue;
        // A drive ("C:") names a root elsewhere, never a folder of ours.
        if (parts.empty() && part.size() == 2 && part[1] == ':'
            && ((part[0] >= 'A' && part[0] <= 'Z') || (part[0] >= 'a' && part[0] <= 'z')))
            continue;
        part = replaceControls(part, '_');
        if (spaceToUnderscore)
            std::replace(part.begin(), part.end(), ' ', '_');
        parts.push_back(std::move(part));
    }
    if (!useFolderNames && parts.size() > 1)
        parts.erase(parts.begin(), parts.end() - 1);
    return parts;
}

bool SymlinkTargetStaysInside(const std::vector<std::string> &linkComponents, const std::string &target)
{
    if (target.empty() || target[0] == '/')
        return false;
    int depth = int(linkComponents.size()) - 1; // folders above the link, inside the destination
    bool named = false;
    size_t start = 0;
    while (start <= target.size()) {
        size_t slash = target.find('/', start);
        if (slash == std::string::npos)
            slash = target.size();
        std::string part = target.substr(start, slash - start);
        start = slash + 1;
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (named || --depth < 0)
                return false;
        } else {
            named = true;
        }
    }
    return true;
}

std::string JoinComponents(const std::vector<std::string> &components)
{
    std::string path;
    for (const std::string &part : components) {
        if (!path.empty())
            path += '/';
        path += part;
    }
    return path;
}

std::string NumberedName(const std::string &name, int number)
{
    constexpr size_t longestName = 255;
    const std::string suffix = " (" + std::to_string(number) + ")";
    size_t dot = name.rfind('.');
    if (dot == 0 || dot == std::string::npos || name.size() - dot + suffix.size() >= longestName)
        dot = name.size();
    std::string stem = name.substr(0, dot);
    const std::string extension = name.substr(dot);
    while (!stem.empty() && stem.size() + suffix.size() + extension.size() > longestName) {
        size_t cut = stem.size() - 1;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80)
            --cut;
        stem.resize(cut);
    }
    return stem + suffix + extension;
}

} // namespace unzip32
