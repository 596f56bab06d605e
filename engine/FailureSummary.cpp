#include "FailureSummary.h"

#include <map>
#include <string_view>

namespace {

bool endsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool has(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

std::string files(int count)
{
    return std::to_string(count) + (count == 1 ? " file" : " files");
}

struct Tally {
    int wrongPassword = 0, noPassword = 0, damaged = 0, unsafe = 0, diskFull = 0, other = 0;
    std::map<std::string, int> unsupported; // by method name

    void count(std::string_view line)
    {
        static constexpr std::string_view kMethod = "unsupported compression method (";
        if (endsWith(line, ": wrong password"))
            ++wrongPassword;
        else if (endsWith(line, ": encrypted, and no password was given") || endsWith(line, ": a password is needed"))
            ++noPassword;
        else if (auto at = line.rfind(kMethod); at != std::string_view::npos && endsWith(line, ")"))
            ++unsupported[std::string(line.substr(at + kMethod.size(), line.size() - 1 - at - kMethod.size()))];
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
        if (wrongPassword)
            parts.push_back(wrongPassword == 1 ? "wrong password" : "wrong password (" + files(wrongPassword) + ")");
        if (noPassword)
            parts.push_back(NeedsPasswordSummary);
        if (damaged)
            parts.push_back("damaged: " + files(damaged) + (damaged == 1 ? " failed its check" : " failed their check"));
        for (const auto &[method, count] : unsupported) {
            // An unnamed method is already "method 77".
            const bool named = method.rfind("method ", 0) != 0;
            parts.push_back("unsupported " + std::string(named ? "method " : "") + method + " in " + files(count));
        }
        if (unsafe)
            parts.push_back(files(unsafe) + " refused as unsafe");
        if (diskFull)
            parts.push_back("the disk is full");
        if (other)
            parts.push_back(files(other) + " could not be extracted");
        std::string joined;
        for (const std::string &part : parts)
            joined += (joined.empty() ? "" : "; ") + part;
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

std::string MissingPartReason(const std::vector<std::string> &errorLines)
{
    for (const std::string &line : errorLines) {
        if (!line.starts_with("error: "))
            continue;
        for (size_t at = line.find(": "); at != std::string::npos; at = line.find(": ", at + 2)) {
            if (namesAPart(std::string_view(line).substr(at + 2)))
                return line.substr(at + 2);
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
