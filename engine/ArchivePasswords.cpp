#include "ArchivePasswords.h"

#include "EngineEvent.h"
#include "cUnzip.h"
#include "unzip32.h"

#include <algorithm>
#include <optional>

namespace {

// As the password callback hands it over: without the spaces around it.
std::string Trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool EndsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The first encrypted entry of the listed archive, 0 when there is none.
int32_t FirstEncrypted(const cUnzip &unzip)
{
    for (int32_t i = 1; i <= unzip.FileCount(); ++i) {
        if (unzip.FileEncrypted(i))
            return i;
    }
    return 0;
}

} // namespace

std::vector<ArchivePassword> PasswordCandidates(const std::string &runPassword, const std::vector<std::string> &list)
{
    std::vector<ArchivePassword> candidates;
    std::vector<std::string> seen;
    auto add = [&](const std::string &password, std::size_t position) {
        const std::string key = Trimmed(password);
        if (key.empty() || std::find(seen.begin(), seen.end(), key) != seen.end())
            return;
        seen.push_back(key);
        candidates.push_back({password, position});
    };
    add(runPassword, 0);
    for (std::size_t i = 0; i < list.size(); ++i)
        add(list[i], i + 1);
    return candidates;
}

PasswordTest TestArchivePasswords(cUnzip &unzip, const std::string &archivePath,
                                  const std::vector<ArchivePassword> &candidates,
                                  const std::function<bool()> &cancelled)
{
    PasswordTest test;
    unzip.ZipFile(archivePath);
    unzip.Directory();
    const int32_t first = unzip.LastEngineResult() == UZ_OK ? FirstEncrypted(unzip) : 0;
    test.encrypted = first > 0;
    if (first > 0 && !candidates.empty()) {
        for (int32_t i = 1; i <= unzip.FileCount(); ++i)
            unzip.FileSelected(i, i == first);
        // The engine asks again after each wrong one, so one test call tries
        // the candidates on the entry's header check, one after another. A
        // candidate that passes it but does not decode the entry (damage, or
        // a wrong one that passed the check by chance) costs a call of its own.
        std::size_t next = 0;
        std::optional<std::size_t> answered;
        bool wrongPassword = false;
        ScopedListener ask(unzip.PasswordRequest, [&](std::string &password, bool &) {
            password.clear(); // refused: no candidate is left, or the run stops
            if (next < candidates.size() && !(cancelled && cancelled())) {
                answered = next++;
                password = candidates[*answered].password;
            }
        });
        ScopedListener lines(unzip.Progress, [&](int32_t, const std::string &line) {
            wrongPassword = wrongPassword || EndsWith(line, ": wrong password");
        });
        ScopedListener stop(unzip.Cancel,
                            [&](const std::string &, bool &cancel) { cancel = cancel || (cancelled && cancelled()); });
        unzip.TestZip(true);
        while (next < candidates.size() && !test.opened && !(cancelled && cancelled())) {
            answered.reset();
            wrongPassword = false;
            unzip.Unzip();
            const int32_t result = unzip.LastEngineResult();
            if (!answered) {
                test.undecided = true; // never asked
                break;
            }
            if (result == UZ_OK) {
                test.opened = answered;
            } else if (result != UZ_SOME_FAILED) {
                test.undecided = true; // stopped, or the test cannot tell (an entry name the engine reads as a pattern)
                break;
            } else if (!wrongPassword && !test.passedCheck) {
                test.passedCheck = answered;
            }
        }
        unzip.TestZip(false);
    }
    unzip.ZipFile(archivePath);
    return test;
}

ArchivePassword ChooseArchivePassword(cUnzip &unzip, const std::string &archivePath,
                                      const std::vector<ArchivePassword> &candidates,
                                      const std::function<bool()> &cancelled)
{
    if (candidates.size() < 2)
        return candidates.empty() ? ArchivePassword{} : candidates.front();
    const PasswordTest test = TestArchivePasswords(unzip, archivePath, candidates, cancelled);
    return candidates[test.opened.value_or(test.passedCheck.value_or(0))];
}
