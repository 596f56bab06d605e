// The object through which the program drives the engine library: one
// archive's path, destination, option record and entry table.
#pragma once

#include "EngineEvent.h"
#include "unzip32.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// A date and time as the engine reports it: no time zone, to the minute.
using UnzipDateTime = std::chrono::local_seconds;

// Values are handed to the engine unchanged; see DCL::MessageLevel.
enum class UnzipMessageLevel : int32_t { EveryEntry = 0, FailuresOnly = 1, Silent = 2 };

// Answers to OverwritePrompt; handed to the engine unchanged.
enum class UnzipOverwriteResponse : int32_t {
    Yes = UZ_REPLACE_YES,
    All = UZ_REPLACE_ALL,
    No = UZ_REPLACE_NO,
    None = UZ_REPLACE_NONE,
    Rename = UZ_REPLACE_RENAME
};

struct UnzipEntry {
    std::string fileName;
    std::string folder; // "" at the top level
    int32_t size = 0;
    int32_t ratio = 0;
    std::string method;
    UnzipDateTime date{};
    uint32_t crc = 0;
    bool encrypted = false;
    bool selected = true;
};

// The option record as the object keeps it between calls. The two text
// fields live beside the numbers; the pointers in `fields` stay null and are
// filled only for the engine call itself.
struct UnzipOptionRecord {
    DCL fields{};
    std::string zipFileName;
    std::string extractDir;
};

class cUnzip {
public:
    cUnzip() = default;
    cUnzip(const cUnzip &) = delete;
    cUnzip &operator=(const cUnzip &) = delete;

    // Events, raised on the thread of the engine call.
    EngineEvent<const std::string & /*sMsg*/, bool & /*bCancel*/> Cancel;
    EngineEvent<const std::string & /*sFIle*/, UnzipOverwriteResponse & /*eResponse*/> OverwritePrompt;
    EngineEvent<std::string & /*sPassword*/, bool & /*bCancel*/> PasswordRequest;
    EngineEvent<int32_t /*lCount*/, const std::string & /*sMsg*/> Progress;

    bool ExtractOnlyNewer() const { return m_options.fields.ExtractOnlyNewer != 0; }
    void ExtractOnlyNewer(bool bState) { m_options.fields.ExtractOnlyNewer = bState ? 1 : 0; }
    bool SpaceToUnderScore() const { return m_options.fields.SpaceToUnderscore != 0; }
    void SpaceToUnderScore(bool bState) { m_options.fields.SpaceToUnderscore = bState ? 1 : 0; }
    bool PromptToOverwrite() const { return m_options.fields.PromptToOverwrite != 0; }
    void PromptToOverwrite(bool bState) { m_options.fields.PromptToOverwrite = bState ? 1 : 0; }
    UnzipMessageLevel MessageLevel() const { return static_cast<UnzipMessageLevel>(m_options.fields.MessageLevel); }
    void MessageLevel(UnzipMessageLevel eLevel) { m_options.fields.MessageLevel = static_cast<int32_t>(eLevel); }
    bool TestZip() const { return m_options.fields.TestOnly != 0; }
    void TestZip(bool bState) { m_options.fields.TestOnly = bState ? 1 : 0; }
    bool UseFolderNames() const { return m_options.fields.UseFolderNames != 0; }
    void UseFolderNames(bool bState) { m_options.fields.UseFolderNames = bState ? 1 : 0; }
    bool OverwriteExisting() const { return m_options.fields.OverwriteExisting != 0; }
    void OverwriteExisting(bool bState) { m_options.fields.OverwriteExisting = bState ? 1 : 0; }
    bool ConvertCRToCRLF() const { return m_options.fields.ConvertCRToCRLF != 0; }
    void ConvertCRToCRLF(bool bState) { m_options.fields.ConvertCRToCRLF = bState ? 1 : 0; }
    bool CaseSensitiveFileNames() const { return m_options.fields.CaseSensitive != 0; }
    void CaseSensitiveFileNames(bool bState) { m_options.fields.CaseSensitive = bState ? 1 : 0; }
    // Field 13: the Windows code page of names stored without the UTF-8 flag; 0 decides per archive.
    int32_t NameCodePage() const { return m_options.fields.NameCodePage; }
    void NameCodePage(int32_t lCodePage) { m_options.fields.NameCodePage = lCodePage; }
    // Decoding threads the engine may use for one archive; 0 = one per
    // processor. Callers that extract several archives at once lower it so
    // the threads of all calls together fit the processors.
    int32_t Threads() const { return m_options.fields.Threads; }
    void Threads(int32_t lCount) { m_options.fields.Threads = lCount < 0 ? 0 : lCount; }

    // The entry table; lIndex runs from 1 to FileCount(). An index outside
    // throws RuntimeError 9 (subscript out of range).
    int32_t FileCount() const { return static_cast<int32_t>(m_entries.size()); }
    std::string Filename(int32_t lIndex) const;
    std::string FileDirectory(int32_t lIndex) const;
    int32_t FileSize(int32_t lIndex) const;
    // size * ratio / 100 in 32 signed bits; throws RuntimeError 6 (overflow)
    // when the product does not fit.
    int32_t FilePackedSize(int32_t lIndex) const;
    int32_t FileCompressionRatio(int32_t lIndex) const;
    UnzipDateTime FileDate(int32_t lIndex) const;
    uint32_t FileCRC(int32_t lIndex) const;
    std::string FileCompressionMethod(int32_t lIndex) const;
    bool FileEncrypted(int32_t lIndex) const;
    bool FileSelected(int32_t lIndex) const;
    void FileSelected(int32_t lIndex, bool bState);

    // Lists the archive into the entry table (appending); always 0.
    int32_t Directory();
    // Extracts (or tests) the archive, only the selected entries unless all
    // are selected. True when the engine answered anything but 0 or could
    // not be called; false on 0, on an empty ZipFile, or on a failure here.
    bool Unzip();

    // Set by a Cancel listener that stops the call: whether what the call
    // wrote is withdrawn too (see the engine's service callback); an extension.
    bool WithdrawOnCancel() const { return m_withdrawOnCancel; }
    void WithdrawOnCancel(bool bState) { m_withdrawOnCancel = bState; }

    void UnzipFolder(const std::string &sFolder) { m_unzipFolder = sFolder; }
    const std::string &UnzipFolder() const { return m_unzipFolder; }
    const std::string &ZipFile() const { return m_zipFile; }
    // Stores the path and empties the entry table; checks nothing.
    void ZipFile(const std::string &sFIle);

    // The engine's version. dDate is left as it came. Throws RuntimeError
    // (53 or 453) when the library or its entry point is missing.
    void GetVersion(int32_t &lMajor, int32_t &lMinor, int32_t &lRevision, UnzipDateTime &dDate,
                    std::string &sExtraInfo);

    // The engine's answer to the last Directory or Unzip: one of the UZ_*
    // results, -1 when the engine could not be called, and also -1 before any
    // call and after an Unzip that returned early.
    int32_t LastEngineResult() const { return m_lastEngineResult; }
    const UnzipOptionRecord &OptionRecord() const { return m_options; }

    // For the engine callbacks only, on the object CurrentUnzip names.
    void AddListedEntry(const std::string &fileName, const std::string &folder, UnzipDateTime date, int32_t size,
                        uint32_t crc, bool encrypted, int32_t ratio, const std::string &method);
    void RaiseOverwritePrompt(const std::string &fileName, UnzipOverwriteResponse &response);
    void RaiseProgress(const std::string &message);
    void RaiseCancel(const std::string &message, bool &cancel);
    void RaisePasswordRequest(std::string &password, bool &cancel);

private:
    const UnzipEntry &Entry(int32_t lIndex) const;

    bool m_withdrawOnCancel = false;

    std::string m_zipFile;
    std::string m_unzipFolder;
    std::vector<UnzipEntry> m_entries;
    UnzipOptionRecord m_options;
    int32_t m_lastEngineResult = -1;
};

// The engine's name form of an entry: folder and file joined with "/", every
// "\" turned into "/". A folder of "" or of one NUL gives the file name alone.
std::string BuildEntryPath(const std::string &folder, const std::string &fileName);
