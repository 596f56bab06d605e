// The program's side of the engine's C interface: the engine call, the five
// callbacks it answers, and the state through which they find their object.
#pragma once

#include "cUnzip.h"
#include "unzip32.h"

#include <string>
#include <vector>

// The object of the engine call under way on this thread. Set at the start of
// every call and never cleared. Callbacks come on the calling thread, so each
// thread's calls find their own object.
extern thread_local cUnzip *CurrentUnzip;
// Set by PasswordCallback on a refusal; re-armed before every engine call.
extern thread_local bool PasswordRefused;

// The compressed bytes the engine call under way on this thread has got
// through so far (the engine's TotalPackedSize), for listeners of the
// callbacks; 0 outside an engine call.
uint64_t EnginePackedBytesSoFar();

// The password every request is answered from, one for the whole process.
// "" means requests are refused.
void SetCurrentPassword(const std::string &password);
std::string GetCurrentPassword();

// The program's one cUnzip, created on first use and kept until exit.
cUnzip &SharedUnzip();

// Calls the engine for `object` with its option record and the include and
// exclude lists (entry paths with "/"). Answers the engine's result, or -1
// when the library or its entry point is missing or the call failed to start.
int32_t CallUnzipEngine(cUnzip &object, UnzipOptionRecord &options, const std::vector<std::string> &includeList,
                        const std::vector<std::string> &excludeList);

// The separator the callbacks put into names and messages for this program.
#ifdef _WIN32
inline constexpr char EntrySeparator = '\\';
#else
inline constexpr char EntrySeparator = '/';
#endif

// Turns every "/" except a leading one into `separator`, in place; answers the
// 1-based position just after the last "/" found, or 1 when there is none.
int SlashesToBackslashes(std::string &text, char separator = '\\');
// Cuts text at its first NUL and splits it into folder (the part before the
// last "/", separators turned into `separator`) and file name, in place.
void SplitEntryPath(std::string &text, std::string &folder, char separator = '\\');

// The callbacks, in USERFUNCTIONS order. None lets an exception escape.
extern "C" {
int32_t PrintCallback(const char *text, uint32_t length);
int32_t ReplaceCallback(char *filePath);
int32_t PasswordCallback(char *buffer, int32_t size, const char *prompt, const char *entryName);
void ListEntryCallback(uint32_t packedSize, uint32_t size, int32_t ratio, uint32_t month, uint32_t day, uint32_t year,
                       uint32_t hour, uint32_t minute, int32_t reserved, const char *name, const char *method,
                       uint32_t crc, int32_t flags);
int32_t ServiceCallback(const char *entryName, uint32_t count);
}

// Reading windows for texts behind engine pointers, never past their NUL.
inline constexpr std::size_t ListNameWindow = 256;     // a method's name
inline constexpr std::size_t ListedNameWindow = 65536; // an entry's name: a ZIP name is at most 65,535 bytes
inline constexpr std::size_t ReplaceNameWindow = 32801;
inline constexpr std::size_t PasswordByteLimit = 64 * 1024; // the longest password handed to the engine
