// A destination that is not there yet is filled out of sight: the call claims
// its name with an empty folder, writes every file into a hidden folder beside
// it (closed to others, named for the call and recorded, so that the next call
// removes it after a kill), and when the call ends that folder takes the
// claimed name in one rename. No real name shows a half-written file, as with
// unnamed files, but each file costs a plain create instead of an unnamed file
// and a link. An entry that fails takes its file away before the rename.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace unzip32 {

class TemporaryRecord;

// ".mz" + the call's token in 16 hex digits + ".stage".
std::string StageName(uint64_t token);

class StagedFolder {
public:
    StagedFolder() = default;
    ~StagedFolder();
    StagedFolder(const StagedFolder &) = delete;
    StagedFolder &operator=(const StagedFolder &) = delete;

    // When `destination` does not exist: makes its parents, claims it and
    // makes the hidden folder, recorded in `record` (begun on the hidden
    // folder). Answers the hidden folder's descriptor, or -1 when the
    // destination exists or cannot be staged (the caller writes in place).
    // `mode`: what the folder gets when it takes its name (as mkdir gives).
    int begin(const std::string &destination, uint64_t token, unsigned mode, TemporaryRecord &record);
    bool active() const { return m_parent >= 0; }

    // Gives the written tree its real name. Where something was put under
    // the claimed name meanwhile, the tree is moved in beside it: nothing
    // there is replaced, and each of ours that clashes is removed and named
    // to `clash`. An empty path: the claimed name is no folder now, and the
    // tree stays under its hidden name.
    void publish(const std::function<void(const std::string &)> &clash);

    // Removes the written tree and the claimed folder, if it is still empty:
    // the destination is as it was before the call.
    void withdraw();

private:
    void mergeInto(int from, int to, const std::string &below, int depth,
                   const std::function<void(const std::string &)> &clash);
    void release(); // closes both folders: nothing more to do

    int m_parent = -1;
    int m_stage = -1;
    unsigned m_mode = 0755;
    std::string m_stageName, m_name;
};

// Removes a recorded stage left by a dead call: the whole tree, no link
// followed, nothing beyond its file system.
void RemoveStageTree(const std::string &path);

} // namespace unzip32
