// Asking the user for an archive's password when none of the run's opens it:
// each answer is tried on the archive before anything is written, and a
// wrong one is asked again, a few times.
#pragma once

#include "ArchivePasswords.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class cUnzip;

// Asked with the archive and the try (1, 2, 3); nothing: the user skips it.
using AskPasswordFunction = std::function<std::optional<std::string>(const std::string &archive, int attempt)>;

inline constexpr int PasswordTries = 3;

struct AskedPasswordChoice {
    std::optional<ArchivePassword> password; // nothing: the archive needs none of the run's, or none at all
    bool skipped = false;                    // the user gave no password
    bool answered = false;                   // `password` is the user's answer, and it opens the archive
};

// The candidates are tried first (as ChooseArchivePassword does); only when
// the archive has an encrypted entry that none of them opens is the user
// asked. After the last wrong answer, that answer is extracted with, so the
// archive fails as with any wrong password.
AskedPasswordChoice ChooseOrAskPassword(cUnzip &unzip, const std::string &archivePath,
                                        const std::vector<ArchivePassword> &candidates, const AskPasswordFunction &ask,
                                        const std::function<bool()> &cancelled);
