// Why an archive was not extracted cleanly, in a few words for the "Done."
// box: the engine says it per entry ("error: NAME: wrong password"), and a
// box that only said "some entries could not be extracted" hid the reason
// under its details.
#pragma once

#include <string>
#include <vector>

// The engine's entry lines summed up by kind, most pressing first: "wrong
// password", "needs a password: none is in force for this run", "damaged:
// 3 files failed their check", "unsupported method Deflate64 in 2 files",
// "2 files refused as unsafe", "the disk is full", "4 files could not be
// extracted"; joined by "; ". Empty when there is no entry line.
std::string FailureSummary(const std::vector<std::string> &errorLines);

// What the engine said of a set in parts that is not whole, in the user's language ("part 3
// (\"NAME.z03\") is missing"), or empty.
std::string MissingPartReason(const std::vector<std::string> &errorLines);

// The start of the summary's part for a missing password, so a front end can
// say how to give one.
std::string NeedsPasswordSummary();
