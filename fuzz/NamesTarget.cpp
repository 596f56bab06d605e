// The name rules alone: whatever an entry is called, the components it is
// written to never climb, never name a root and never hide a separator; a
// link target judged to stay inside really does; a name shown in a message
// carries no control character.
#include "EntryNames.h"
#include "FuzzSandbox.h"
#include "VisibleText.h"

#include <string>
#include <vector>

namespace {

void checkComponents(const std::vector<std::string> &parts, bool useFolderNames)
{
    if (!useFolderNames && parts.size() > 1)
        fuzz::Finding("a folder kept although folder names are dropped");
    for (const std::string &part : parts) {
        if (part.empty() || part == "." || part == ".." || part.find('/') != std::string::npos)
            fuzz::Finding("an unsafe component: \"" + part + "\"");
    }
}

// Walks the link's folders and its target textually; a depth below zero leaves.
bool reallyInside(const std::vector<std::string> &link, const std::string &target)
{
    if (target.empty() || target[0] == '/')
        return false;
    long depth = long(link.size()) - 1;
    size_t start = 0;
    while (start <= target.size()) {
        size_t slash = target.find('/', start);
        if (slash == std::string::npos)
            slash = target.size();
        std::string part = target.substr(start, slash - start);
        start = slash + 1;
        if (part == "..")
            --depth;
        else if (!part.empty() && part != ".")
            ++depth;
        if (depth < 0)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // First byte: options; the rest: an entry name, then after a NUL a link target.
    uint8_t flags = data[0];
    std::string rest(reinterpret_cast<const char *>(data + 1), size - 1);
    size_t nul = rest.find('\0');
    std::string name = unzip32::NormalisedName(rest.substr(0, nul));
    std::string target = nul == std::string::npos ? std::string() : rest.substr(nul + 1);

    bool useFolderNames = flags & 1;
    std::vector<std::string> parts = unzip32::SafeComponents(name, useFolderNames, flags & 2);
    checkComponents(parts, useFolderNames);
    std::string joined = unzip32::JoinComponents(parts);
    if (!joined.empty() && joined[0] == '/')
        fuzz::Finding("a joined path begins at the root");
    if (!parts.empty() && unzip32::SymlinkTargetStaysInside(parts, target) && !reallyInside(parts, target))
        fuzz::Finding("a link target judged inside that leaves: " + target);

    unzip32::NameFilter filter({target}, {}, flags & 4);
    (void)filter.selects(name);

    // What a message shows of a name: one line of valid UTF-8, no control
    // byte, and the same when shown again.
    std::string shown = VisibleText(rest);
    if (!IsValidUtf8(shown) || VisibleText(shown) != shown)
        fuzz::Finding("a shown name that is not plain UTF-8 or changes when shown again");
    for (unsigned char c : shown) {
        if (c < 0x20 || c == 0x7F)
            fuzz::Finding("a control byte in a shown name");
    }
    return 0;
}
