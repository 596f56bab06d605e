// The volumes of a 7z or RAR set, found from the first one's name: the reader
// is handed all of them in order, and whoever moves or trashes an archive
// afterwards takes exactly those files with it.
#pragma once

#include <string>
#include <vector>

namespace unzip32 {

// NAME.7z.001 -> NAME.7z.001, .002, ...; NAME.part1.rar (any number of
// digits, leading zeros kept) -> NAME.part2.rar, ...; NAME.rar with a NAME.r00
// beside it -> NAME.rar, NAME.r00, NAME.r01, ... Each list stops at the first
// part missing. Empty when `path` is not the first volume of such a set.
std::vector<std::string> VolumesOfSet(const std::string &path);

} // namespace unzip32
