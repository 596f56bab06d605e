// A table of entries, good and damaged, written into one archive and each
// held to what it must give, both extracting and testing: for a damaged one
// its message and no file, for a good one its contents.
#pragma once

#include "RawZipWriter.h"
#include "TempDir.h"

#include <string>
#include <vector>

struct EntryCase {
    RawEntry entry;
    std::string error; // the start of its message; empty: extracts to entry.plain
};

void ExpectEachEntryAsSaid(const TempDir &dir, const std::vector<EntryCase> &cases);
