#include "mUnzip.h"

#include "EngineLibrary.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <mutex>
#include <stdexcept>

thread_local cUnzip *CurrentUnzip = nullptr;
thread_local bool PasswordRefused = false;

namespace {

// The record of the engine call under way on this thread, while it runs.
thread_local const USERFUNCTIONS *CurrentFunctions = nullptr;

std::mutex passwordMutex;
std::string currentPassword;

// A cut at a reading window can split a UTF-8 sequence; the broken tail is
// dropped so that no invalid text travels further.
void DropBrokenTail(std::string &text)
{
    std::size_t end = text.size();
    std::size_t lead = end;
    while (lead > 0 && (static_cast<unsigned char>(text[lead - 1]) & 0xC0) == 0x80)
        --lead;
    if (lead == 0)
        return;
    const auto first = static_cast<unsigned char>(text[lead - 1]);
    std::size_t needed = 1;
    if ((first & 0xE0) == 0xC0)
        needed = 2;
    else if ((first & 0xF0) == 0xE0)
        needed = 3;
    else if ((first & 0xF8) == 0xF0)
        needed = 4;
    if (end - (lead - 1) < needed)
        text.resize(lead - 1);
}

// The text behind an engine pointer: up to its NUL, never more than `window` bytes.
std::string ReadText(const char *pointer, std::size_t window)
{
    if (!pointer)
        return {};
    const std::size_t length = strnlen(pointer, window);
    std::string text(pointer, length);
    if (length == window)
        DropBrokenTail(text);
    return text;
}

void ReplaceSlashes(std::string &text, char separator)
{
    for (char &c : text) {
        if (c == '/')
            c = separator;
    }
}

// The engine hands over a calendar date that the program takes as it comes;
// out-of-range months and days roll over into the next ones instead of failing.
UnzipDateTime MakeDate(int year, int month, int day, int hour, int minute)
{
    using namespace std::chrono;
    year_month ym = std::chrono::year{year} / January;
    ym += months{month - 1};
    const local_days date = local_days{ym / 1} + days{day - 1};
    return date + hours{hour} + minutes{minute};
}

void Trim(std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(text.find_last_not_of(' ') + 1);
    text.erase(0, first);
}

} // namespace

uint64_t EnginePackedBytesSoFar() { return CurrentFunctions ? CurrentFunctions->TotalPackedSize : 0; }

void SetCurrentPassword(const std::string &password)
{
    std::lock_guard lock(passwordMutex);
    currentPassword = password;
}

std::string GetCurrentPassword()
{
    std::lock_guard lock(passwordMutex);
    return currentPassword;
}

cUnzip &SharedUnzip()
{
    static cUnzip shared;
    return shared;
}

int SlashesToBackslashes(std::string &text, char separator)
{
    std::size_t start = 1;
    for (;;) {
        const std::size_t found = text.find('/', start - 1);
        if (found == std::string::npos)
            return static_cast<int>(start);
        if (found == 0) {
            start = 2;
        } else {
            text[found] = separator;
            start = found + 2;
        }
    }
}

void SplitEntryPath(std::string &text, std::string &folder, char separator)
{
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos)
        text.erase(nul);
    const int p = SlashesToBackslashes(text, separator);
    if (p > 1) {
        folder = text.substr(0, static_cast<std::size_t>(p) - 2);
        text = text.substr(static_cast<std::size_t>(p) - 1);
    }
}

int32_t CallUnzipEngine(cUnzip &object, UnzipOptionRecord &options, const std::vector<std::string> &includeList,
                        const std::vector<std::string> &excludeList)
{
    int32_t result = -1;
    try {
        CurrentUnzip = &object;

        USERFUNCTIONS functions;
        std::memset(&functions, 0, sizeof functions);
        functions.print = PrintCallback;
        functions.sound = nullptr;
        functions.replace = ReplaceCallback;
        functions.password = PasswordCallback;
        functions.listEntry = ListEntryCallback;
        functions.service = ServiceCallback;

        // Each list: the names, then an empty text, then a null slot; any
        // length, since the engine takes the count and needs no fixed block.
        if (includeList.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max() - 1)
            || excludeList.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max() - 1))
            throw std::length_error("name list too long");
        std::vector<std::string> include = includeList;
        include.emplace_back();
        std::vector<std::string> exclude = excludeList;
        exclude.emplace_back();
        std::vector<char *> includeSlots, excludeSlots;
        for (std::string &name : include)
            includeSlots.push_back(name.data());
        includeSlots.push_back(nullptr);
        for (std::string &name : exclude)
            excludeSlots.push_back(name.data());
        excludeSlots.push_back(nullptr);

        PasswordRefused = false;

        DCL record = options.fields;
        std::string zipFileName = options.zipFileName;
        std::string extractDir = options.extractDir;
        record.ZipFileName = zipFileName.data();
        record.ExtractDir = extractDir.data();

        const SingleEntryUnzipFunction engine = EngineSingleEntryUnzip();
        CurrentFunctions = &functions;
        result = engine(static_cast<int32_t>(includeList.size()), includeSlots.data(),
                        static_cast<int32_t>(excludeList.size()), excludeSlots.data(), &record, &functions);

        // Whatever the engine left in the record stays with the object.
        options.fields = record;
        options.fields.ZipFileName = nullptr;
        options.fields.ExtractDir = nullptr;
        options.zipFileName = zipFileName;
        options.extractDir = extractDir;
    } catch (...) {
        // A missing engine is an answer, not an error: -1.
    }
    CurrentFunctions = nullptr;
    return result;
}

extern "C" {

int32_t PrintCallback(const char *text, uint32_t length)
{
    try {
        if (length > 1 && length < 32000 && CurrentUnzip) {
            std::string message = ReadText(text, length);
            SlashesToBackslashes(message, EntrySeparator);
            CurrentUnzip->RaiseProgress(message);
        }
    } catch (...) {
    }
    return 0;
}

int32_t ReplaceCallback(char *filePath)
{
    UnzipOverwriteResponse response = UnzipOverwriteResponse::Yes;
    try {
        std::string name = ReadText(filePath, ReplaceNameWindow);
        ReplaceSlashes(name, EntrySeparator);
        if (CurrentUnzip)
            CurrentUnzip->RaiseOverwritePrompt(name, response);
    } catch (...) {
    }
    return static_cast<int32_t>(response);
}

int32_t PasswordCallback(char *buffer, int32_t size, const char *, const char *)
{
    int32_t result = 1;
    try {
        if (PasswordRefused)
            return 1;
        std::string password;
        bool cancel = false;
        if (CurrentUnzip)
            CurrentUnzip->RaisePasswordRequest(password, cancel);
        Trim(password);
        if (password.empty() || cancel) {
            PasswordRefused = true;
            return 1;
        }
        // A password is handed over whole or not at all: a cut one is a
        // wrong one. The engine's buffer holds 64 KiB, as much as any way in
        // accepts.
        if (!buffer || size < 2 || password.size() > std::min(PasswordByteLimit, static_cast<std::size_t>(size) - 1))
            return 1;
        std::memcpy(buffer, password.data(), password.size());
        buffer[password.size()] = '\0';
        result = 0;
    } catch (...) {
    }
    return result;
}

void ListEntryCallback(uint32_t packedSize, uint32_t size, int32_t, uint32_t month, uint32_t day, uint32_t year,
                       uint32_t hour, uint32_t minute, int32_t, const char *name, const char *method, uint32_t crc,
                       int32_t flags)
{
    try {
        cUnzip *object = CurrentUnzip;
        if (!object)
            return;
        // The table's ratio is the packed size as a share of the size, so that
        // size x ratio / 100 is the packed size; the engine's own figure is
        // the share saved, which gave the bytes saved instead.
        const auto ratio = size == 0 ? int16_t{0}
                                     : static_cast<int16_t>(std::min<uint64_t>(uint64_t{packedSize} * 100 / size,
                                                                               std::numeric_limits<int16_t>::max()));
        // The whole name: a selection made from the table must name the entry
        // exactly, or the engine would pass it over without a word.
        std::string fileName = ReadText(name, ListedNameWindow);
        std::string folder;
        SplitEntryPath(fileName, folder, EntrySeparator);
        const UnzipDateTime date
            = MakeDate(static_cast<uint16_t>(year), static_cast<uint16_t>(month), static_cast<uint16_t>(day),
                       static_cast<uint16_t>(hour), static_cast<uint16_t>(minute));
        const std::string methodName = ReadText(method, ListNameWindow);
        const bool encrypted = (static_cast<uint8_t>(flags) & 0x40) != 0;
        object->AddListedEntry(fileName, folder, date, static_cast<int32_t>(size), crc, encrypted, ratio, methodName);
    } catch (...) {
    }
}

int32_t ServiceCallback(const char *entryName, uint32_t count)
{
    int32_t result = 0;
    try {
        // An empty name (count 1) is the engine's last word before a folder it made is seen.
        const bool lastWord = count == 1 && entryName && entryName[0] == '\0';
        if ((count > 1 || lastWord) && count < 32000 && CurrentUnzip) {
            std::string name = ReadText(entryName, count);
            ReplaceSlashes(name, EntrySeparator);
            bool cancel = false;
            CurrentUnzip->RaiseCancel(name, cancel);
            result = !cancel ? 0 : CurrentUnzip->WithdrawOnCancel() ? 2 : 1;
        }
    } catch (...) {
    }
    return result;
}

} // extern "C"
