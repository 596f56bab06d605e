#include "SetParts.h"
#include "TempDir.h"
#include "VolumeSets.h"

#include <gtest/gtest.h>

using unzip32::FilesOfArchive;
using unzip32::VolumesOfSet;

TEST(VolumeSets, TheFirstVolumeFindsItsSetInOrderUpToAGap)
{
    TempDir dir;
    for (const char *name : {"a.7z.001", "a.7z.002", "b.part01.rar", "b.part02.rar", "b.part03.rar", "c.rar", "c.r00",
                             "c.r01", "d.part1.rar", "d.part3.rar", "e.rar"})
        dir.write(name, "x");
    auto names = [&](const std::vector<std::string> &paths) {
        std::vector<std::string> out;
        for (const std::string &path : paths)
            out.push_back(std::filesystem::path(path).filename().string());
        return out;
    };
    using List = std::vector<std::string>;
    EXPECT_EQ(names(VolumesOfSet((dir / "a.7z.001").string())), (List{"a.7z.001", "a.7z.002"}));
    EXPECT_EQ(names(VolumesOfSet((dir / "b.part01.rar").string())),
              (List{"b.part01.rar", "b.part02.rar", "b.part03.rar"}));
    EXPECT_EQ(names(VolumesOfSet((dir / "c.rar").string())), (List{"c.rar", "c.r00", "c.r01"}));
    EXPECT_EQ(names(VolumesOfSet((dir / "d.part1.rar").string())), (List{"d.part1.rar"}))
        << "a set stops at its first gap";
    EXPECT_TRUE(VolumesOfSet((dir / "b.part02.rar").string()).empty()) << "only the first volume opens a set";
    EXPECT_TRUE(VolumesOfSet((dir / "e.rar").string()).empty()) << "a .rar alone is no set";
    EXPECT_EQ(names(FilesOfArchive((dir / "c.rar").string())), (List{"c.rar", "c.r00", "c.r01"}))
        << "whoever moves the archive afterwards takes every volume the engine read";
}
