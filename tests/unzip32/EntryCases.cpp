#include "EntryCases.h"

#include "EngineCall.h"
#include "SevenZip.h"

#include <gtest/gtest.h>

void ExpectEachEntryAsSaid(const TempDir &dir, const std::vector<EntryCase> &cases)
{
    RawZip zip;
    for (const EntryCase &c : cases)
        zip.entries.push_back(c.entry);
    WriteRawZip(dir / "cases.zip", zip);
    for (int testOnly : {0, 1}) {
        const std::string out = (dir / "out").string() + std::to_string(testOnly);
        EngineCall call((dir / "cases.zip").string(), out);
        call.options.TestOnly = testOnly;
        EXPECT_EQ(call.run(), UZ_SOME_FAILED);
        for (const EntryCase &c : cases) {
            const std::string &name = c.entry.name;
            if (!c.error.empty()) {
                EXPECT_TRUE(call.printedStarting("error: " + name + ": " + c.error)) << name << " test " << testOnly;
                EXPECT_FALSE(std::filesystem::exists(out + "/" + name)) << name;
            } else if (testOnly) {
                EXPECT_TRUE(call.printed("tested: " + name)) << name;
            } else {
                EXPECT_TRUE(ReadWholeFile(out + "/" + name) == c.entry.plain) << name;
            }
        }
    }
}
