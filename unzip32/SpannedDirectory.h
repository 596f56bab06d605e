// A spanned set (NAME.z01, NAME.z02, ..., NAME.zip) gives each entry as a
// part number and an offset from that part's start, and its end records name
// parts as well. Read end to end, the parts need a directory whose offsets
// count from the start of the whole: this writes it, from the set's own, and
// puts it with new end records in place of the old directory and everything
// after it. libzip, which refuses sets in parts, and our own reader then see
// one ordinary archive.
#pragma once

#include "CentralDirectory.h"

#include <cstddef>
#include <string>

namespace unzip32 {

class ArchiveFile;

// `end` is the set's end record as read from its last part. False with a
// reason when the directory is damaged; `faultyPart` then names the part
// (counted from 0) that is too short for what the directory says lies in it,
// or is SIZE_MAX when no one part is to blame.
bool RelocateSpannedDirectory(ArchiveFile &file, const EndRecord &end, size_t &faultyPart, std::string &reason);

} // namespace unzip32
