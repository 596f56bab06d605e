// The name rules alone, judged by what they promise rather than by a second
// copy of them: whatever an entry is called, the components it is written to
// are plain file names (never empty, ".", ".." or holding a separator, a NUL
// or a control character), their path is never absolute, and a path made safe
// stays as it is when made safe again. A link target judged to stay inside
// does so by the standard library's own reading of paths; a name shown in a
// message carries no control character.
#include "EntryNames.h"
#include "FuzzSandbox.h"
#include "VisibleText.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Components = std::vector<std::string>;

bool hasControl(const std::string &part)
{
    for (size_t i = 0; i < part.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(part[i]);
        if (c < 0x20 || c == 0x7F)
            return true;
        // C1, as UTF-8.
        if (c == 0xC2 && i + 1 < part.size() && static_cast<unsigned char>(part[i + 1]) >= 0x80
            && static_cast<unsigned char>(part[i + 1]) <= 0x9F)
            return true;
    }
    return false;
}

void checkComponents(const Components &parts, bool spaceToUnderscore)
{
    for (const std::string &part : parts) {
        if (part.empty() || part == "." || part == ".." || part.find('/') != std::string::npos
            || part.find('\0') != std::string::npos)
            fuzz::Finding("an unsafe component: \"" + part + "\"");
        if (hasControl(part))
            fuzz::Finding("a control character kept in \"" + VisibleText(part) + "\"");
        if (spaceToUnderscore && part.find(' ') != std::string::npos)
            fuzz::Finding("a space kept in \"" + part + "\"");
    }
}

// The path's components as the standard library reads them.
Components elementsOf(const std::string &path)
{
    Components elements;
    for (const std::filesystem::path &element : std::filesystem::path(path))
        elements.push_back(element.string());
    return elements;
}

// The joined path of safe components is safe already: made safe again it is
// the same, and read by anyone it names the same components.
void checkRoundTrip(const Components &folders, bool spaceToUnderscore)
{
    const std::string joined = unzip32::JoinComponents(folders);
    if (!joined.empty() && joined[0] == '/')
        fuzz::Finding("a joined path begins at the root");
    if (unzip32::SafeComponents(joined, true, spaceToUnderscore) != folders)
        fuzz::Finding("a safe path changed when made safe again: " + joined);
    if (elementsOf(joined) != folders)
        fuzz::Finding("a joined path reads as other components: " + joined);
}

// The link's own folder joined with its target, "." and ".." taken textually.
bool leavesByLexicalReading(const Components &link, const std::string &target)
{
    std::filesystem::path folder;
    for (size_t i = 0; i + 1 < link.size(); ++i)
        folder /= link[i];
    std::filesystem::path resolved = (folder / target).lexically_normal();
    return resolved.is_absolute() || (!resolved.empty() && *resolved.begin() == "..");
}

void checkShown(const std::string &text)
{
    // What a message shows of a name: one line of valid UTF-8, no control
    // byte, and the same when shown again.
    std::string shown = VisibleText(text);
    if (!IsValidUtf8(shown) || VisibleText(shown) != shown)
        fuzz::Finding("a shown name that is not plain UTF-8 or changes when shown again");
    for (unsigned char c : shown) {
        if (c < 0x20 || c == 0x7F)
            fuzz::Finding("a control byte in a shown name");
    }
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

    const bool useFolderNames = flags & 1, spaceToUnderscore = flags & 2;
    const Components parts = unzip32::SafeComponents(name, useFolderNames, spaceToUnderscore);
    const Components folders = unzip32::SafeComponents(name, true, spaceToUnderscore);
    checkComponents(folders, spaceToUnderscore);
    checkRoundTrip(folders, spaceToUnderscore);
    // Without folder names an entry keeps the last component only.
    const Components expected = useFolderNames || folders.empty() ? folders : Components{folders.back()};
    if (parts != expected)
        fuzz::Finding("without folder names, other than the last component kept");

    if (!parts.empty() && unzip32::SymlinkTargetStaysInside(parts, target) && leavesByLexicalReading(parts, target))
        fuzz::Finding("a link target judged inside that leaves: " + target);

    unzip32::NameFilter filter({target}, {}, flags & 4);
    (void)filter.selects(name);
    checkShown(rest);
    return 0;
}
