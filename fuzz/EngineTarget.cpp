// The engine's whole path, from archive bytes to files in a fresh folder,
// through its C interface. Built three times: FUZZ_MODE 0 extracts, 1 lists,
// 2 tests; with FUZZ_KINDS it extracts only inputs that begin as an archive
// of another kind (7z, RAR, tar, cpio, ISO, cab, a compressed stream), so
// that libarchive's reading and the engine's rules over it get the time.
// Encrypted entries are answered with the password "secret", the one
// the seed archives use, so that decryption and what follows are reached.
#include "ArchiveKind.h"
#include "FuzzSandbox.h"
#include "unzip32.h"

#include <cstring>

#ifndef FUZZ_MODE
#  define FUZZ_MODE 0
#endif

namespace {

int32_t onPrint(const char *text, uint32_t length)
{
    // The engine promises NUL-terminated texts of the length it gives.
    if (std::strlen(text) != length)
        fuzz::Finding("a message whose length is not its text's");
    return 0;
}

int32_t onReplace(char *) { return UZ_REPLACE_YES; }

int32_t onPassword(char *buffer, int32_t size, const char *, const char *)
{
    if (size < 7)
        return 1;
    std::memcpy(buffer, "secret", 6);
    return 0;
}

void onList(uint32_t, uint32_t, int32_t ratio, uint32_t month, uint32_t, uint32_t, uint32_t, uint32_t, int32_t,
            const char *name, const char *method, uint32_t, int32_t)
{
    if (!name || !method || ratio < 0 || ratio > 100 || month > 15)
        fuzz::Finding("a listing value out of its range");
}

int32_t onService(const char *, uint32_t) { return 0; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static fuzz::Sandbox sandbox;
    const std::string &archive = sandbox.writeArchive(data, size);
#ifdef FUZZ_KINDS
    if (!unzip32::BeginsAsOtherKind(archive))
        return -1;
#endif
    if (FUZZ_MODE != 1 && fuzz::DeclaredSize(archive) > fuzz::kDeclaredLimit)
        return -1; // a bomb by declaration: the free-space rule's business, not the decoders'
    int descriptors = fuzz::OpenDescriptors();

    DCL options{};
    options.UseFolderNames = 1;
    options.OverwriteExisting = 1;
    options.ListOnly = FUZZ_MODE == 1;
    options.TestOnly = FUZZ_MODE == 2;
    options.Threads = 1;
    std::string archiveName = archive, destination = sandbox.destination();
    options.ZipFileName = archiveName.data();
    options.ExtractDir = destination.data();
    USERFUNCTIONS callbacks{};
    callbacks.print = onPrint;
    callbacks.replace = onReplace;
    callbacks.password = onPassword;
    callbacks.listEntry = onList;
    callbacks.service = onService;
    int32_t result = Wiz_SingleEntryUnzip(0, nullptr, 0, nullptr, &options, &callbacks);
    if (result < UZ_OK || result > UZ_NO_MATCH)
        fuzz::Finding("a result outside the documented codes: " + std::to_string(result));
    if (callbacks.FailedCount > callbacks.EntryCount)
        fuzz::Finding("more failures than entries");
    if (fuzz::OpenDescriptors() != descriptors)
        fuzz::Finding("a file descriptor was left open");
    sandbox.checkAndClean();
    return 0;
}
