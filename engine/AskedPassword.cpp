#include "AskedPassword.h"

namespace {

bool Blank(const std::string &text) { return text.find_first_not_of(' ') == std::string::npos; }

} // namespace

AskedPasswordChoice ChooseOrAskPassword(cUnzip &unzip, const std::string &archivePath,
                                        const std::vector<ArchivePassword> &candidates, const AskPasswordFunction &ask,
                                        const std::function<bool()> &cancelled)
{
    AskedPasswordChoice choice;
    const PasswordTest test = TestArchivePasswords(unzip, archivePath, candidates, cancelled);
    if (!candidates.empty())
        choice.password = candidates[test.opened.value_or(test.passedCheck.value_or(0))];
    if (test.settled() || (cancelled && cancelled()))
        return choice;
    for (int attempt = 1; attempt <= PasswordTries; ++attempt) {
        const std::optional<std::string> answer = ask(archivePath, attempt);
        if (!answer || Blank(*answer)) {
            choice.skipped = true;
            return choice;
        }
        choice.password = ArchivePassword{*answer, 0};
        const PasswordTest tried = TestArchivePasswords(unzip, archivePath, {*choice.password}, cancelled);
        if (tried.opened || tried.passedCheck || tried.undecided) {
            choice.answered = true;
            return choice;
        }
    }
    return choice;
}
