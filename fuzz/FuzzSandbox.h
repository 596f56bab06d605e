// A sandbox for one fuzzing process: the archive, a sentinel file beside the
// destination and the destination itself, all in a private folder. After each
// run the folder is walked without following links: anything outside the
// destination other than the archive and the sentinel, a changed sentinel, a
// temporary file or record of them left over, a link leading out, or a file
// descriptor left open is a finding, and the process aborts so that libFuzzer
// keeps the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

class Sandbox {
public:
    Sandbox();
    // Writes the archive; returns its path.
    const std::string &writeArchive(const uint8_t *data, size_t size);
    const std::string &archive() const { return m_archive; }
    const std::string &destination() const { return m_destination; }
    // Aborts on a finding, then empties the destination for the next run.
    void checkAndClean();

private:
    std::string m_base, m_archive, m_sentinel, m_destination, m_records;
};

// Open file descriptors of this process.
int OpenDescriptors();
// Sum of the sizes the archive's central directory declares, or 0 when it has
// none we can read. Inputs that declare more are skipped: the engine would
// write them in full, and a fuzzing run must not fill the disk.
uint64_t DeclaredSize(const std::string &archivePath);
constexpr uint64_t kDeclaredLimit = 32u << 20;

[[noreturn]] void Finding(const std::string &what);

} // namespace fuzz
