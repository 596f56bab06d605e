#include "cUnzip.h"

#include "EngineLibrary.h"
#include "RuntimeError.h"
#include "mUnzip.h"

#include <cstring>

const UnzipEntry &cUnzip::Entry(int32_t lIndex) const
{
    if (lIndex < 1 || lIndex > FileCount())
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    return m_entries[static_cast<std::size_t>(lIndex) - 1];
}

std::string cUnzip::Filename(int32_t lIndex) const { return Entry(lIndex).fileName; }
std::string cUnzip::FileDirectory(int32_t lIndex) const { return Entry(lIndex).folder; }
int32_t cUnzip::FileSize(int32_t lIndex) const { return Entry(lIndex).size; }
int32_t cUnzip::FileCompressionRatio(int32_t lIndex) const { return Entry(lIndex).ratio; }
UnzipDateTime cUnzip::FileDate(int32_t lIndex) const { return Entry(lIndex).date; }
uint32_t cUnzip::FileCRC(int32_t lIndex) const { return Entry(lIndex).crc; }
std::string cUnzip::FileCompressionMethod(int32_t lIndex) const { return Entry(lIndex).method; }
bool cUnzip::FileEncrypted(int32_t lIndex) const { return Entry(lIndex).encrypted; }
bool cUnzip::FileSelected(int32_t lIndex) const { return Entry(lIndex).selected; }

void cUnzip::FileSelected(int32_t lIndex, bool bState)
{
    Entry(lIndex);
    m_entries[static_cast<std::size_t>(lIndex) - 1].selected = bState;
}

int32_t cUnzip::FilePackedSize(int32_t lIndex) const
{
    const UnzipEntry &entry = Entry(lIndex);
    const int64_t product = int64_t{entry.size} * entry.ratio;
    if (product > INT32_MAX || product < INT32_MIN)
        throw RuntimeError(ErrorNumber::Overflow);
    return static_cast<int32_t>(product / 100);
}

void cUnzip::ZipFile(const std::string &sFIle)
{
    m_zipFile = sFIle;
    m_entries.clear();
}

int32_t cUnzip::Directory()
{
    m_options.zipFileName = m_zipFile;
    // One NUL: the engine sees an empty text, as for a listing it needs no folder.
    m_options.extractDir = std::string(1, '\0');
    m_options.fields.ListOnly = 1;
    m_lastEngineResult = CallUnzipEngine(*this, m_options, {}, {});
    return 0;
}

bool cUnzip::Unzip()
{
    m_lastEngineResult = -1;
    try {
        if (m_zipFile.empty())
            return false;
        std::vector<std::string> include;
        for (const UnzipEntry &entry : m_entries) {
            if (entry.selected)
                include.push_back(BuildEntryPath(entry.folder, entry.fileName));
        }
        // Every entry selected (or none listed) means the whole archive: the
        // engine is then given no list at all. As does none selected.
        if (include.size() == m_entries.size())
            include.clear();
        m_options.zipFileName = m_zipFile;
        m_options.fields.ListOnly = 0;
        m_options.extractDir = m_unzipFolder;
        m_lastEngineResult = CallUnzipEngine(*this, m_options, include, {});
        return m_lastEngineResult != 0;
    } catch (...) {
        return false;
    }
}

void cUnzip::GetVersion(int32_t &lMajor, int32_t &lMinor, int32_t &lRevision, UnzipDateTime &, std::string &sExtraInfo)
{
    UZ_VERSION version;
    std::memset(&version, 0, sizeof version);
    version.StructLength = sizeof version;
    version.Flags = 0;
    std::memset(version.BetaLevel, ' ', sizeof version.BetaLevel - 1);
    std::memset(version.Date, ' ', sizeof version.Date - 1);
    std::memset(version.CodecVersion, ' ', sizeof version.CodecVersion - 1);

    EngineVersion()(&version);

    const char *beta = version.BetaLevel;
    const std::size_t betaSize = sizeof version.BetaLevel;
    const std::size_t length = strnlen(beta, betaSize);
    sExtraInfo.assign(beta, length);
    if (length < betaSize)
        sExtraInfo.append(betaSize - length, ' ');
    lMajor = version.EngineVersion[0];
    lMinor = version.EngineVersion[1];
    lRevision = version.EngineVersion[2];
}

void cUnzip::AddListedEntry(const std::string &fileName, const std::string &folder, UnzipDateTime date, int32_t size,
                            uint32_t crc, bool encrypted, int32_t ratio, const std::string &method)
{
    if (fileName.empty() || fileName == std::string(1, '\0'))
        return;
    m_entries.push_back(UnzipEntry{fileName, folder, size, ratio, method, date, crc, encrypted, true});
}

void cUnzip::RaiseOverwritePrompt(const std::string &fileName, UnzipOverwriteResponse &response)
{
    OverwritePrompt.raise(fileName, response);
}

void cUnzip::RaiseProgress(const std::string &message) { Progress.raise(1, message); }

void cUnzip::RaiseCancel(const std::string &message, bool &cancel) { Cancel.raise(message, cancel); }

void cUnzip::RaisePasswordRequest(std::string &password, bool &cancel)
{
    password = GetCurrentPassword();
    PasswordRequest.raise(password, cancel);
}

std::string BuildEntryPath(const std::string &folder, const std::string &fileName)
{
    if (folder.empty() || folder == std::string(1, '\0'))
        return fileName;
    std::string path = folder + "/" + fileName;
    for (char &c : path) {
        if (c == '\\')
            c = '/';
    }
    return path;
}
