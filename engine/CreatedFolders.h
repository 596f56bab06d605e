// The folders an archive's extraction makes, so that a failed extraction takes
// away again the ones it made and left empty, and never a folder that was
// there before: the missing folders of the destination's path, and the
// entries' folders the engine makes beneath the destination.
#pragma once

#include <set>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

class HeldFolder;

class CreatedFolders {
public:
    explicit CreatedFolders(const std::string &destination);
    // Removes those of them that are empty now, deepest first.
    void removeEmpty() const;

private:
    using FolderId = std::pair<dev_t, ino_t>;
    bool pruneBeneath(const HeldFolder &folder, int depth) const;
    void noteEmptyBeneath(const HeldFolder &folder, int depth);

    std::string m_destination;
    std::vector<std::string> m_missing; // deepest first
    // Within a destination that was there before, the empty folders it held
    // then: they are the user's and stay. Within one made now, every empty
    // folder is the run's.
    std::set<FolderId> m_emptyBefore;
};
