#include "ProgramFolder.h"

#include <filesystem>
#include <mutex>
#include <optional>
#include <system_error>

namespace {

std::mutex folderMutex;
std::optional<std::string> folderOverride;

std::string ExecutableFolder()
{
    std::error_code ec;
    // /proc/self/exe names the executable even when it was started through a
    // symbolic link or a relative path, so the folder is the one it really sits in.
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    return exe.parent_path().string();
}

} // namespace

std::string ProgramFolder()
{
    {
        std::lock_guard lock(folderMutex);
        if (folderOverride)
            return *folderOverride;
    }
    static const std::string folder = ExecutableFolder();
    return folder;
}

void SetProgramFolder(const std::string &folder)
{
    std::lock_guard lock(folderMutex);
    if (folder.empty())
        folderOverride.reset();
    else
        folderOverride = folder;
}
