// The folders of a destination path that do not exist before an archive is
// extracted into it, so that a failed extraction takes away again the ones it
// made and left empty, and never a folder that was there before.
#pragma once

#include <string>
#include <vector>

class CreatedFolders {
public:
    explicit CreatedFolders(const std::string &destination);
    // Removes those of them that are empty now, deepest first.
    void removeEmpty() const;

private:
    std::vector<std::string> m_missing; // deepest first
};
