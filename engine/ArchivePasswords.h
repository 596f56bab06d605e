// A run's list of passwords, besides its one confirmed password: the one an
// archive is extracted with is the first of them that opens the archive's
// first encrypted entry.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class cUnzip;

struct ArchivePassword {
    std::string password;
    std::size_t listPosition = 0; // 1-based in the list; 0 for the run's own password
};

// The passwords an archive is tried with, in order: the run's own (when it
// has one), then the list's. Blank ones and repeats are left out, the list's
// positions kept.
std::vector<ArchivePassword> PasswordCandidates(const std::string &runPassword, const std::vector<std::string> &list);

// What trying the candidates on an archive's first encrypted entry found.
struct PasswordTest {
    bool encrypted = false;                 // the archive has an encrypted entry
    std::optional<std::size_t> opened;      // the first candidate that opens it
    std::optional<std::size_t> passedCheck; // else the first whose only fault was not the password
    bool undecided = false;                 // the test could not tell (stopped, or the engine did not ask)

    // Some candidate does, or may, open the archive, or it needs none.
    bool settled() const { return !encrypted || opened || passedCheck || undecided; }
};

// Lists the archive and tries the candidates (any number) on its first
// encrypted entry; nothing is written, and `unzip` is left ready for the
// extraction. See ChooseArchivePassword for how.
PasswordTest TestArchivePasswords(cUnzip &unzip, const std::string &archivePath,
                                  const std::vector<ArchivePassword> &candidates,
                                  const std::function<bool()> &cancelled);

// Tests each candidate in turn on the first encrypted entry of `archivePath`
// (nothing is written; one engine call tries them on the entry's header
// check, and only a candidate that passes it but fails to decode the entry
// costs a call of its own) and answers the first that opens it. When none opens
// it, the first whose only fault was not the password (a damaged entry) is
// answered, else the first candidate. `unzip` is left ready for the
// extraction: no longer testing, every entry wanted. Needs one candidate.
ArchivePassword ChooseArchivePassword(cUnzip &unzip, const std::string &archivePath,
                                      const std::vector<ArchivePassword> &candidates,
                                      const std::function<bool()> &cancelled);
