#include "FailureSummary.h"

#include "UserText.h"

#include <map>
#include <string_view>

namespace {

bool endsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool has(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

std::string files(int count)
{
    return count == 1 ? Translated("FailureSummary", "1 file")
                      : FillIn(Translated("FailureSummary", "%1 files"), {std::to_string(count)});
}

struct Tally {
    int wrongPassword = 0, noPassword = 0, damaged = 0, unsafe = 0, diskFull = 0, other = 0;
    std::map<std::string, int> unsupported; // by method name
    std::string encryptedKind;              // "7z", "RAR": an encryption the engine cannot open yet

    void count(std::string_view line)
    {
        static constexpr std::string_view kMethod = "unsupported compression method (";
        static constexpr std::string_view kEncrypted = ": encrypted ",
                                          kCannotYet = ": this encryption cannot be opened yet";
        if (auto at = line.rfind(kEncrypted); at != std::string_view::npos && endsWith(line, kCannotYet)
            && at + kEncrypted.size() <= line.size() - kCannotYet.size())
            encryptedKind
                = line.substr(at + kEncrypted.size(), line.size() - kCannotYet.size() - at - kEncrypted.size());
        else if (endsWith(line, ": wrong password"))
            ++wrongPassword;
        else if (endsWith(line, ": encrypted, and no password was given") || endsWith(line, ": a password is needed"))
            ++noPassword;
        else if (auto method = line.rfind(kMethod); method != std::string_view::npos && endsWith(line, ")"))
            ++unsupported[std::string(line.substr(method + kMethod.size(), line.size() - 1 - method - kMethod.size()))];
        else if (has(line, ": refused: "))
            ++unsafe;
        else if (has(line, "the disk is full") || has(line, "quota is exhausted"))
            ++diskFull;
        else if (has(line, "damaged") || has(line, "CRC") || has(line, "than the declared size")
                 || has(line, "authentication failed") || has(line, "truncated"))
            ++damaged;
        else
            ++other;
    }

    std::string text() const
    {
        std::vector<std::string> parts;
        if (!encryptedKind.empty())
            parts.push_back(
                FillIn(Translated("FailureSummary", "encrypted %1 archive: this encryption cannot be opened yet"),
                       {encryptedKind}));
        if (wrongPassword)
            parts.push_back(wrongPassword == 1
                                ? Translated("FailureSummary", "wrong password")
                                : FillIn(Translated("FailureSummary", "wrong password (%1)"), {files(wrongPassword)}));
        if (noPassword)
            parts.push_back(NeedsPasswordSummary());
        if (damaged)
            parts.push_back(FillIn(damaged == 1 ? Translated("FailureSummary", "damaged: %1 failed its check")
                                                : Translated("FailureSummary", "damaged: %1 failed their check"),
                                   {files(damaged)}));
        for (const auto &[method, count] : unsupported) {
            // An unnamed method is already "method 77".
            const bool named = method.rfind("method ", 0) != 0;
            parts.push_back(FillIn(named ? Translated("FailureSummary", "unsupported method %1 in %2")
                                         : Translated("FailureSummary", "unsupported %1 in %2"),
                                   {method, files(count)}));
        }
        if (unsafe)
            parts.push_back(FillIn(Translated("FailureSummary", "%1 refused as unsafe"), {files(unsafe)}));
        if (diskFull)
            parts.push_back(Translated("FailureSummary", "the disk is full"));
        if (other)
            parts.push_back(FillIn(Translated("FailureSummary", "%1 could not be extracted"), {files(other)}));
        std::string joined;
        for (const std::string &part : parts)
            joined += (joined.empty() ? "" : Translated("FailureSummary", "; ")) + part;
        return joined;
    }
};

} // namespace

namespace {

// "part 12 (\"" or "the last part (\"": how the engine names a part of a set.
bool namesAPart(std::string_view text)
{
    if (text.starts_with("the last part (\""))
        return true;
    if (!text.starts_with("part "))
        return false;
    text.remove_prefix(5);
    size_t digits = text.find_first_not_of("0123456789");
    return digits > 0 && digits != std::string_view::npos && text.substr(digits).starts_with(" (\"");
}

} // namespace

namespace {

// The engine's words for a part, in the user's language: the forms the
// engine writes are known; anything else is passed on as it came.
std::string partReasonInLanguage(const std::string &text)
{
    static constexpr std::string_view lastPrefix = "the last part (\"";
    static constexpr std::string_view lastEnd = "\") of the set is cut short or damaged: it has no end record";
    if (text.starts_with(lastPrefix) && text.ends_with(lastEnd) && text.size() > lastPrefix.size() + lastEnd.size()) {
        const std::string name = text.substr(lastPrefix.size(), text.size() - lastPrefix.size() - lastEnd.size());
        return FillIn(Translated("FailureSummary",
                                 "the last part (\"%1\") of the set is cut short or damaged: it has no end record"),
                      {name});
    }
    const size_t open = text.find(" (\"");
    if (!text.starts_with("part ") || open == std::string::npos)
        return text;
    const std::string number = text.substr(5, open - 5);
    const std::string_view rest = std::string_view(text).substr(open + 3);
    struct Form {
        std::string_view end;
        std::string (*say)();
    };
    static const Form forms[] = {
        {"\") is missing", [] { return Translated("FailureSummary", "part %1 (\"%2\") is missing"); }},
        {"\") is cut short or damaged: it is not as long as the first",
         [] {
             return Translated("FailureSummary",
                               "part %1 (\"%2\") is cut short or damaged: it is not as long as the first");
         }},
        {"\") is cut short or damaged: it has no end record",
         [] { return Translated("FailureSummary", "part %1 (\"%2\") is cut short or damaged: it has no end record"); }},
        {"\") is cut short or damaged",
         [] { return Translated("FailureSummary", "part %1 (\"%2\") is cut short or damaged"); }},
    };
    for (const Form &form : forms) {
        if (rest.size() > form.end.size() && rest.ends_with(form.end))
            return FillIn(form.say(), {number, rest.substr(0, rest.size() - form.end.size())});
    }
    return text;
}

} // namespace

std::string MissingPartReason(const std::vector<std::string> &errorLines)
{
    for (const std::string &line : errorLines) {
        if (!line.starts_with("error: "))
            continue;
        for (size_t at = line.find(": "); at != std::string::npos; at = line.find(": ", at + 2)) {
            if (namesAPart(std::string_view(line).substr(at + 2)))
                return partReasonInLanguage(line.substr(at + 2));
        }
    }
    return {};
}

std::string FailureSummary(const std::vector<std::string> &errorLines)
{
    Tally tally;
    for (const std::string &line : errorLines) {
        if (line.rfind("error: ", 0) == 0)
            tally.count(line);
    }
    return tally.text();
}

std::string NeedsPasswordSummary()
{
    return Translated("FailureSummary", "needs a password: none is in force for this run");
}
