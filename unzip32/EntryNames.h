// Entry names: which entries a call selects, and where (if anywhere) an entry
// may be written. Nothing here touches the file system.
#pragma once

#include <string>
#include <vector>

namespace unzip32 {

// The entry's name with "\" turned into "/", as include and exclude names use.
std::string NormalisedName(const std::string &name);

class NameFilter {
public:
    NameFilter(std::vector<std::string> include, std::vector<std::string> exclude, bool caseSensitive);
    bool selects(const std::string &normalisedName) const;
    bool hasIncludes() const { return !m_include.empty(); }

private:
    bool matchesAny(const std::vector<std::string> &patterns, const std::string &name) const;
    std::vector<std::string> m_include, m_exclude;
    bool m_caseSensitive;
};

// The components of the path an entry is written to, relative to the
// destination: roots, drive letters, "." and ".." are dropped, so the result
// never leaves the destination. Empty when nothing usable is left. Control
// characters (C0, DEL, C1) in a name become "_".
std::vector<std::string> SafeComponents(const std::string &normalisedName, bool useFolderNames, bool spaceToUnderscore);

// True when a symbolic link at `linkComponents` (its own name last) with this
// target resolves inside the destination: a relative target whose ".." parts
// all come first and climb no higher than the destination. ".." after a
// named part is refused because that part may itself be a link.
bool SymlinkTargetStaysInside(const std::vector<std::string> &linkComponents, const std::string &target);

std::string JoinComponents(const std::vector<std::string> &components);

// The file name with " (number)" before its extension ("a (2).txt"; a
// leading dot starts no extension). A name that would grow past what a
// file system takes gives up the end of its stem, never half a character.
std::string NumberedName(const std::string &name, int number);

} // namespace unzip32
