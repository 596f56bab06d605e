#include "UnzipArchive.h"

#include "ArchivePasswords.h"
#include "AskedPassword.h"
#include "CreatedFolders.h"
#include "EngineLibrary.h"
#include "FailureSummary.h"
#include "UserText.h"
#include "cUnzip.h"
#include "mUnzip.h"
#include "unzip32.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using Status = UnzipOutcome::Status;

UnzipOutcome Outcome(Status status, std::string reason, std::vector<std::string> messages = {})
{
    UnzipOutcome outcome;
    outcome.status = status;
    outcome.reason = std::move(reason);
    outcome.messages = std::move(messages);
    return outcome;
}

std::string TrimSpaces(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Upper(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool EndsWithUpper(const std::string &text, const std::string &upperEnd)
{
    return text.size() >= upperEnd.size() && Upper(text.substr(text.size() - upperEnd.size())) == upperEnd;
}

// A split set is handed over by its first part; the engine finds the others.
bool HasArchiveName(const std::string &path) { return EndsWithUpper(path, "ZIP") || EndsWithUpper(path, ".ZIP.001"); }

bool HasArchiveSignature(const std::string &signature)
{
    return Upper(signature.substr(0, 2)) == "PK" || Upper(signature.substr(0, 3)) == "RAR";
}

// The last part of a spanned set ("NAME.zip") may begin in the middle of an
// entry's data; then the set's first part ("NAME.z01") shows what it is.
// Empty when the path is no such last part.
std::string SpannedFirstPart(const std::string &archivePath)
{
    if (!EndsWithUpper(archivePath, ".ZIP"))
        return {};
    const std::string stem = archivePath.substr(0, archivePath.size() - 3);
    for (const char *extension : {"z01", "Z01"}) {
        struct stat info {};
        if (::stat((stem + extension).c_str(), &info) == 0 && S_ISREG(info.st_mode))
            return stem + extension;
    }
    return {};
}

int OpenReadOnly(const std::string &path)
{
    // Non-blocking, so a FIFO or device that sneaks in cannot hang the wait.
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

enum class ReadResult { Read, NotYet, NotAFile };

// The archive's first (up to) three bytes; NotYet while it cannot be read.
ReadResult ReadSignature(const UnzipHooks &hooks, const std::string &path, std::string &signature, std::string &why)
{
    const int fd = hooks.openForReading ? hooks.openForReading(path) : OpenReadOnly(path);
    if (fd < 0) {
        why = std::strerror(errno);
        return ReadResult::NotYet;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return ReadResult::NotAFile;
    }
    char bytes[3];
    ssize_t got = 0;
    do {
        got = ::read(fd, bytes, sizeof bytes);
    } while (got < 0 && errno == EINTR);
    if (got < 0)
        why = std::strerror(errno);
    ::close(fd);
    if (got < 0)
        return ReadResult::NotYet;
    signature.assign(bytes, static_cast<std::size_t>(got));
    return ReadResult::Read;
}

// The destination the engine gets when the caller gave none: beside the
// archive, named after it without its extension. Only a dot in the file
// name counts, so a dotted folder higher up is never cut into.
std::string FolderBesideArchive(const std::string &archivePath)
{
    const std::size_t nameStart
        = archivePath.find_last_of('/') == std::string::npos ? 0 : archivePath.find_last_of('/') + 1;
    const std::size_t dot = archivePath.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart)
        return {};
    return archivePath.substr(0, dot);
}

// The system's reason the engine gave for the folder it could not make or
// open, which ends its line ("... cannot be made: the destination is read-only"),
// or "" when no line gives one.
std::string SystemReason(const std::vector<std::string> &errors)
{
    for (const std::string &line : errors) {
        const size_t cannot = line.find(" cannot be ");
        const size_t colon = line.rfind(": ");
        if (cannot != std::string::npos && colon != std::string::npos && colon > cannot)
            return line.substr(colon + 2);
    }
    return {};
}

UnzipOutcome EngineOutcome(int32_t result, std::vector<std::string> errors, bool everyKind)
{
    switch (result) {
    case UZ_OK: return Outcome(Status::Extracted, {});
    case -1:
        return Outcome(
            Status::EngineMissing,
            FillIn(Translated("UnzipArchive", "the unzip engine (%1) is missing or damaged"), {EngineLibraryName}));
    case UZ_CANCELLED:
        return Outcome(Status::Cancelled, Translated("UnzipArchive", "stopped on request"), std::move(errors));
    case UZ_SOME_FAILED: {
        std::string reason = FailureSummary(errors);
        if (reason.empty())
            reason = Translated("UnzipArchive", "some entries could not be extracted");
        return Outcome(Status::EngineFailed, std::move(reason), std::move(errors));
    }
    case UZ_NOT_ARCHIVE: {
        // A set in parts that is not whole says which part; that is the news.
        std::string reason = MissingPartReason(errors);
        if (reason.empty())
            reason = everyKind
                ? Translated("UnzipArchive", "the file is damaged or not an archive of a kind Marrowlyn reads")
                : Translated("UnzipArchive", "the archive is damaged or not a ZIP archive");
        return Outcome(Status::EngineFailed, std::move(reason), std::move(errors));
    }
    case UZ_NO_SPACE:
        return Outcome(Status::EngineFailed,
                       Translated("UnzipArchive", "there is not enough free space at the destination"),
                       std::move(errors));
    case UZ_UNSAFE_ARCHIVE:
        return Outcome(Status::EngineFailed, Translated("UnzipArchive", "the archive was refused as unsafe"),
                       std::move(errors));
    case UZ_CANNOT_CREATE: {
        const std::string why = SystemReason(errors);
        std::string reason = why.empty()
            ? Translated("UnzipArchive", "the destination folder cannot be created or written")
            : FillIn(Translated("UnzipArchive", "the destination folder cannot be created or written (%1)"), {why});
        return Outcome(Status::EngineFailed, std::move(reason), std::move(errors));
    }
    case UZ_NO_MATCH:
        return Outcome(Status::EngineFailed,
                       Translated("UnzipArchive", "none of the requested entries is in the archive"),
                       std::move(errors));
    case UZ_BAD_ARGUMENTS:
        return Outcome(Status::Failed, Translated("UnzipArchive", "the unzip engine refused the request"),
                       std::move(errors));
    default:
        return Outcome(Status::EngineFailed,
                       FillIn(Translated("UnzipArchive", "the unzip engine answered %1"), {std::to_string(result)}),
                       std::move(errors));
    }
}

// The engine's options for files already in place. With `overwrite` the rule
// sets all three, so that one call's rule never lingers on a shared object;
// without it only OverwriteExisting is cleared, as it always was.
void FollowRule(cUnzip &unzip, bool overwrite, ExistingFile rule)
{
    unzip.OverwriteExisting(overwrite && rule == ExistingFile::Replace);
    if (!overwrite)
        return;
    unzip.ExtractOnlyNewer(rule == ExistingFile::ReplaceOlder);
    unzip.PromptToOverwrite(rule == ExistingFile::KeepBoth);
}

// The archive may still be arriving or be held by someone else: waits for
// it, gently, up to the limit. Each pass looks again at everything, since
// the file may change or vanish meanwhile. Answers why it is not extracted,
// or nothing once its first bytes are in `signature`.
std::optional<UnzipOutcome> WaitForArchive(const std::string &archivePath, const UnzipHooks &hooks,
                                           const std::function<bool()> &cancelled, std::string &signature)
{
    const auto now = hooks.now ? hooks.now : [] { return std::chrono::steady_clock::now(); };
    const auto pause
        = hooks.pause ? hooks.pause : [](std::chrono::milliseconds span) { std::this_thread::sleep_for(span); };
    const auto start = now();
    std::string whyUnreadable;
    for (;;) {
        if (std::chrono::duration_cast<std::chrono::seconds>(now() - start) > hooks.waitLimit) {
            return Outcome(Status::StillUnreadable,
                           FillIn(whyUnreadable.empty()
                                      ? Translated("UnzipArchive", "the file could not be read within %1 seconds")
                                      : Translated("UnzipArchive", "the file could not be read within %1 seconds (%2)"),
                                  {std::to_string(hooks.waitLimit.count()), whyUnreadable}));
        }
        if (hooks.pumpEvents)
            hooks.pumpEvents();
        if (cancelled())
            return Outcome(Status::Cancelled, Translated("UnzipArchive", "stopped on request"));
        struct stat info {};
        if (TrimSpaces(archivePath).empty())
            return Outcome(Status::Missing, Translated("UnzipArchive", "no archive was named"));
        if (::stat(archivePath.c_str(), &info) != 0)
            return Outcome(Status::Missing, Translated("UnzipArchive", "the file does not exist"));
        if (info.st_size < 1)
            return Outcome(Status::Empty, Translated("UnzipArchive", "the file is empty"));
        if (!hooks.everyKind && !HasArchiveName(archivePath))
            return Outcome(Status::NotZipName, Translated("UnzipArchive", "the file name does not end in .zip"));
        const ReadResult read = ReadSignature(hooks, archivePath, signature, whyUnreadable);
        if (read == ReadResult::Read)
            return std::nullopt;
        if (read == ReadResult::NotAFile)
            return Outcome(Status::NotArchive, Translated("UnzipArchive", "it is not a regular file"));
        pause(hooks.pollInterval);
    }
}

// Whether the archive begins as one does, or, for the last part of a
// spanned set, the set's first part.
bool BeginsAsArchive(const UnzipHooks &hooks, const std::string &archivePath, std::string signature)
{
    if (!HasArchiveSignature(signature)) {
        const std::string firstPart = SpannedFirstPart(archivePath);
        std::string partSignature;
        std::string ignored;
        if (!firstPart.empty() && ReadSignature(hooks, firstPart, partSignature, ignored) == ReadResult::Read)
            signature = partSignature;
    }
    return HasArchiveSignature(signature);
}

// One of the engine's messages, line by line: its error lines are kept for
// the outcome, and every line goes to the caller's progress hook.
void PassOnLines(const std::string &message, const UnzipHooks &hooks, std::vector<std::string> &errors)
{
    std::size_t from = 0;
    while (from <= message.size()) {
        std::size_t end = message.find('\n', from);
        if (end == std::string::npos)
            end = message.size();
        std::string line = message.substr(from, end - from);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty()) {
            if (line.rfind("error: ", 0) == 0)
                errors.push_back(line);
            if (hooks.progress)
                hooks.progress(line);
        }
        from = end + 1;
    }
}

// The engine's part, once the archive and the destination are known.
UnzipOutcome ExtractWithEngine(cUnzip &unzip, const std::string &archivePath, const std::string &destination,
                               bool overwrite, const UnzipHooks &hooks, const std::function<bool()> &cancelled)
{
    if (hooks.threads > 0)
        unzip.Threads(hooks.threads);
    // With a list, the password is chosen before anything is written; the
    // engine's requests are then answered with it alone.
    std::optional<ArchivePassword> chosen;
    if (hooks.askPassword) {
        std::vector<ArchivePassword> candidates = PasswordCandidates(GetCurrentPassword(), hooks.passwords);
        for (const std::string &kept : hooks.keptAnswers)
            candidates.push_back({kept, 0});
        const AskedPasswordChoice choice
            = ChooseOrAskPassword(unzip, archivePath, candidates, hooks.askPassword, cancelled);
        if (choice.skipped)
            return Outcome(Status::EngineFailed, Translated("UnzipArchive", "skipped: no password given"));
        chosen = choice.password;
        if (choice.answered && hooks.passwordAnswered)
            hooks.passwordAnswered(chosen->password);
    } else if (!hooks.passwords.empty()) {
        chosen = ChooseArchivePassword(unzip, archivePath, PasswordCandidates(GetCurrentPassword(), hooks.passwords),
                                       cancelled);
    }
    bool asked = false;
    std::optional<ScopedListener<std::string &, bool &>> password;
    if (chosen) {
        password.emplace(unzip.PasswordRequest, [&](std::string &answer, bool &) {
            answer = chosen->password;
            asked = true;
        });
    }

    std::vector<std::string> errors;
    ScopedListener progress(unzip.Progress,
                            [&](int32_t, const std::string &message) { PassOnLines(message, hooks, errors); });
    // The engine asks before each entry and as a large one decodes: the
    // moment to tell how far it has got, and to pass on a request to stop.
    ScopedListener cancel(unzip.Cancel, [&](const std::string &name, bool &stop) {
        if (name.empty()) {
            stop = hooks.beforePublish && hooks.beforePublish();
            unzip.WithdrawOnCancel(stop);
            return;
        }
        if (hooks.workDone)
            hooks.workDone(EnginePackedBytesSoFar());
        if (cancelled()) {
            stop = true;
            unzip.WithdrawOnCancel(hooks.withdrawOnCancel && hooks.withdrawOnCancel());
        }
    });

    // Asked only under KeepBoth: every existing file is kept beside the entry.
    ScopedListener keepBoth(unzip.OverwritePrompt, [&](const std::string &, UnzipOverwriteResponse &answer) {
        if (overwrite && hooks.existingFile == ExistingFile::KeepBoth)
            answer = UnzipOverwriteResponse::Rename;
    });

    // A test writes nothing, and a look at the destination's tree would be wasted.
    std::optional<CreatedFolders> made;
    if (!unzip.TestZip())
        made.emplace(destination);
    unzip.UseFolderNames(true);
    unzip.WithdrawOnCancel(false);
    unzip.ZipFile(archivePath);
    FollowRule(unzip, overwrite, hooks.existingFile);
    unzip.UnzipFolder(destination);
    unzip.Unzip();
    UnzipOutcome outcome = EngineOutcome(unzip.LastEngineResult(), std::move(errors), hooks.everyKind);
    // A failed archive leaves no empty folder of its own making behind.
    if (!outcome.ok() && made)
        made->removeEmpty();
    else if (asked && chosen->listPosition > 0 && hooks.openedByListPassword)
        hooks.openedByListPassword(chosen->listPosition);
    return outcome;
}

UnzipOutcome Extract(cUnzip &unzip, const std::string &archivePath, const std::string &destinationFolder,
                     bool overwrite, const UnzipHooks &hooks)
{
    const auto cancelled = [&hooks] { return hooks.cancelRequested && hooks.cancelRequested(); };
    std::string signature;
    if (std::optional<UnzipOutcome> refused = WaitForArchive(archivePath, hooks, cancelled, signature))
        return std::move(*refused);
    if (!hooks.everyKind && !BeginsAsArchive(hooks, archivePath, signature))
        return Outcome(Status::NotArchive,
                       Translated("UnzipArchive", "the file is not a ZIP archive (it does not begin with \"PK\")"));

    std::string destination = destinationFolder;
    if (TrimSpaces(destination).empty())
        destination = FolderBesideArchive(archivePath);
    if (TrimSpaces(destination).empty())
        return Outcome(
            Status::NoDestination,
            Translated("UnzipArchive", "no destination folder was given and none can be named after the archive"));
    return ExtractWithEngine(unzip, archivePath, destination, overwrite, hooks, cancelled);
}

} // namespace

UnzipOutcome UnzipArchive(cUnzip &unzip, const std::string &archivePath, const std::string &destinationFolder,
                          bool overwrite, const UnzipHooks &hooks)
{
    try {
        return Extract(unzip, archivePath, destinationFolder, overwrite, hooks);
    } catch (const std::exception &failure) {
        return Outcome(Status::Failed,
                       FillIn(Translated("UnzipArchive", "extraction could not be set up: %1"), {failure.what()}));
    } catch (...) {
        return Outcome(Status::Failed, Translated("UnzipArchive", "extraction could not be set up"));
    }
}

UnzipOutcome UnzipArchive(const std::string &archivePath, const std::string &destinationFolder, bool overwrite,
                          const UnzipHooks &hooks)
{
    return UnzipArchive(SharedUnzip(), archivePath, destinationFolder, overwrite, hooks);
}
