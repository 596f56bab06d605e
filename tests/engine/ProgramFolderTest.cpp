#include "EngineLibrary.h"
#include "ProgramFolder.h"
#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(ProgramFolder, IsTheExecutablesFolderUnlessOverridden)
{
    const std::string real = ProgramFolder();
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(real) / "engine_tests")) << real;
    EXPECT_EQ(EngineLibraryPath(), real + "/libunzip32.so");

    TempDir dir;
    SetProgramFolder(dir.str());
    EXPECT_EQ(ProgramFolder(), dir.str());
    EXPECT_EQ(EngineLibraryPath(), dir.str() + "/libunzip32.so");
    SetEngineLibraryPath("/elsewhere/engine.so");
    EXPECT_EQ(EngineLibraryPath(), "/elsewhere/engine.so");
    SetEngineLibraryPath("");
    SetProgramFolder("");
    EXPECT_EQ(ProgramFolder(), real);
}
