// Which reader an archive goes to, decided by its bytes, never its name: a
// ZIP (also one behind a stub, a self-extractor) keeps the engine's own
// reader; an archive that begins as another kind goes to the reader of other
// kinds (OtherKindReader.h), which is also tried when the ZIP reader finds no
// ZIP (a 7z or RAR behind a stub, kinds without a mark at their start).
#pragma once

#include <string>

namespace unzip32 {

// True when the file at `path` begins with the mark of a kind other than ZIP
// (7z, RAR, tar, cpio, ISO 9660, cab, or a compressed stream).
bool BeginsAsOtherKind(const std::string &path);

} // namespace unzip32
