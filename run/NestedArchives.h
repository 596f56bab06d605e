// Archives inside archives: the ZIP files an archive brought are extracted in
// turn, each into a folder beside it named after it, once (what they bring is
// not looked into again), and removed afterwards when the user asked.
#pragma once

#include "BatchRun.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

struct NestedOutcome {
    int extracted = 0;
    int removed = 0;
    QStringList failures; // "NAME: why", for the archives inside that failed
};

struct NestedChoices {
    bool remove = false;
    // Bytes the archives inside may still declare between them (see NestedBudget).
    std::uint64_t budget = 0;
};

// An archive and everything unpacked from inside it together may come to at
// most 1032 times the archive's own size (Deflate's greatest expansion, which
// the engine also holds each Deflate entry to): what is left of that once the
// archive itself wrote `written` bytes.
std::uint64_t NestedBudget(const QString &archive, std::uint64_t written);

// `written`: the files the outer archive brought, as the engine wrote them,
// relative to `destination`. Only those are opened, beneath `destination`
// and never through a link, and only what was checked is extracted or removed.
NestedOutcome ExtractNested(const std::vector<std::string> &written, const QString &destination,
                            const UnzipFunction &unzip, UnzipHooks hooks, const NestedChoices &choices);

// What the summary says of them ("2 archives inside extracted and removed").
QString NestedNote(const NestedOutcome &outcome);
