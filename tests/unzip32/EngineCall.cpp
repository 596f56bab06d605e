#include "EngineCall.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// The engine records its temporary names in the user's state folder: this
// binary gives it a folder of its own, never the real home's.
class StateHome : public ::testing::Environment {
public:
    void SetUp() override
    {
        m_dir = std::make_unique<TempDir>();
        setenv("XDG_STATE_HOME", m_dir->str().c_str(), 1);
    }
    void TearDown() override { m_dir.reset(); }

private:
    std::unique_ptr<TempDir> m_dir;
};

[[maybe_unused]] ::testing::Environment *const stateHome = ::testing::AddGlobalTestEnvironment(new StateHome);

// The engine calls back on the calling thread; one call at a time per test.
thread_local EngineCall *current = nullptr;

int32_t onPrint(const char *text, uint32_t length)
{
    current->lines.emplace_back(text, length);
    return 0;
}

int32_t onReplace(char *path)
{
    current->replaceAsked.emplace_back(path);
    if (current->replaceAnswers.empty())
        return UZ_REPLACE_YES;
    int32_t answer = current->replaceAnswers.front();
    current->replaceAnswers.erase(current->replaceAnswers.begin());
    return answer;
}

int32_t onPassword(char *buffer, int32_t size, const char *prompt, const char *entryName)
{
    current->passwordAsked.emplace_back(entryName);
    current->passwordPrompts.emplace_back(prompt);
    if (current->passwords.empty())
        return 1;
    std::string password = current->passwords.front();
    current->passwords.erase(current->passwords.begin());
    // As the program does: the bytes only, no NUL.
    std::memcpy(buffer, password.data(), std::min<size_t>(password.size(), size_t(size) - 1));
    return 0;
}

void onList(uint32_t packedSize, uint32_t size, int32_t ratio, uint32_t month, uint32_t day, uint32_t year,
            uint32_t hour, uint32_t minute, int32_t, const char *name, const char *method, uint32_t crc, int32_t flags)
{
    current->listed.push_back({packedSize, size, ratio, month, day, year, hour, minute, name, method, crc, flags});
}

int32_t onService(const char *name, uint32_t)
{
    int index = int(current->serviced.size());
    current->serviced.emplace_back(name);
    current->packedAtService.push_back(current->callbacks.TotalPackedSize);
    if (current->serviceHook)
        current->serviceHook(index);
    return index == current->cancelAt ? current->cancelAnswer : 0;
}

} // namespace

EngineCall::EngineCall(const std::string &archivePath, const std::string &destinationPath)
    : archive(archivePath), destination(destinationPath)
{
    options.UseFolderNames = 1;
    options.OverwriteExisting = 1;
    options.Threads = 2;
}

int32_t EngineCall::run()
{
    current = this;
    callbacks = {};
    callbacks.print = onPrint;
    callbacks.replace = onReplace;
    callbacks.password = onPassword;
    callbacks.listEntry = onList;
    callbacks.service = onService;
    options.ZipFileName = archive.data();
    options.ExtractDir = destination.data();
    auto pointers = [](std::vector<std::string> &names) {
        std::vector<char *> list;
        for (std::string &name : names)
            list.push_back(name.data());
        list.push_back(const_cast<char *>(""));
        return list;
    };
    std::vector<char *> includeList = pointers(include), excludeList = pointers(exclude);
    int32_t result = Wiz_SingleEntryUnzip(int32_t(include.size()), includeList.data(), int32_t(exclude.size()),
                                          excludeList.data(), &options, &callbacks);
    current = nullptr;
    return result;
}

bool EngineCall::printed(const std::string &line) const
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool EngineCall::printedStarting(const std::string &prefix) const
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string &l) { return l.rfind(prefix, 0) == 0; });
}

std::vector<std::string> FilesBelow(const std::filesystem::path &root)
{
    std::vector<std::string> names;
    for (auto &item : std::filesystem::recursive_directory_iterator(root))
        if (!item.is_directory() || item.is_symlink())
            names.push_back(std::filesystem::relative(item.path(), root).string());
    std::sort(names.begin(), names.end());
    return names;
}
