// The passwords of encrypted entries: asked of the caller, tried on each
// entry's header check, and the one that worked tried first on the next entry.
#include "Call.h"

#include <zip.h>

#include <cstring>
#include <unordered_set>

namespace unzip32 {

// libzip's check of the encryption header, before any decoding: WinZip
// AES's 2-byte verifier, ZipCrypto's check byte. One wrong password in 256
// passes that byte; its entry then fails to decode (as damage would).
bool Call::passwordOpens(const ArchiveEntry &entry, const std::string &password)
{
    zip_file_t *file = zip_fopen_index_encrypted(m_archive.handle(), entry.index, ZIP_FL_COMPRESSED, password.c_str());
    if (!file) {
        zip_error_clear(m_archive.handle());
        return false;
    }
    zip_fclose(file);
    return true;
}

bool Call::obtainPassword(const ArchiveEntry &entry, std::string &password)
{
    // The password that opened an earlier entry usually opens the next one too.
    if (m_goodPassword && passwordOpens(entry, *m_goodPassword)) {
        password = *m_goodPassword;
        return true;
    }
    // After a wrong one the caller is asked again for the same entry: a list of
    // candidates is tried on the entry's header check within one call, not a
    // call (and a reading of the directory) each. A caller that answers one it
    // has given already has no other, and the entry fails.
    std::unordered_set<std::string> tried;
    std::string prompt = "Enter the password for " + entry.name;
    for (;;) {
        if (!askPassword(entry, prompt, password)) {
            fail(entry, tried.empty() ? "encrypted, and no password was given" : "wrong password");
            return false;
        }
        if (!tried.insert(password).second) {
            fail(entry, "wrong password");
            return false;
        }
        if (!password.empty() && passwordOpens(entry, password)) {
            m_goodPassword = password;
            return true;
        }
        prompt = "The password was wrong; enter another for " + entry.name;
    }
}

bool Call::askPassword(const ArchiveEntry &entry, const std::string &prompt, std::string &password)
{
    if (!m_callbacks.password)
        return false;
    m_passwordBuffer.assign(kPasswordBufferSize, '\0');
    if (m_callbacks.password(m_passwordBuffer.data(), int32_t(kPasswordBufferSize), prompt.c_str(), entry.name.c_str())
        != 0)
        return false;
    password.assign(m_passwordBuffer.data(), strnlen(m_passwordBuffer.data(), kPasswordBufferSize - 1));
    return true;
}

} // namespace unzip32
