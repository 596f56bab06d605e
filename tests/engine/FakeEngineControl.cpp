#include "FakeEngine.h"

#include "EngineLibrary.h"

#include <dlfcn.h>
#include <mutex>
#include <stdexcept>

namespace {

using SetHandlers = void (*)(void *, void *, void *);

std::vector<std::string> Slots(int32_t count, char **list)
{
    std::vector<std::string> slots;
    if (!list)
        return slots;
    for (int32_t i = 0; i <= count; ++i)
        slots.emplace_back(list[i] ? list[i] : "<null>");
    return slots;
}

} // namespace

FakeEngine::FakeEngine(const std::string &libraryPath)
{
    // The same path opens the same module the program will open, so the
    // handler set here is the one its engine calls reach.
    m_handle = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle)
        throw std::runtime_error("cannot load the fake engine " + libraryPath);
    auto set = reinterpret_cast<SetHandlers>(dlsym(m_handle, "FakeEngine_SetHandlers"));
    if (!set)
        throw std::runtime_error("the fake engine has no FakeEngine_SetHandlers");
    set(reinterpret_cast<void *>(&OnUnzip), reinterpret_cast<void *>(&OnVersion), this);
    SetEngineLibraryPath(libraryPath);
}

FakeEngine::~FakeEngine()
{
    auto set = reinterpret_cast<SetHandlers>(dlsym(m_handle, "FakeEngine_SetHandlers"));
    set(nullptr, nullptr, nullptr);
    SetEngineLibraryPath("");
    dlclose(m_handle);
}

int32_t FakeEngine::OnUnzip(void *context, int32_t includeCount, char **includeList, int32_t excludeCount,
                            char **excludeList, DCL *options, USERFUNCTIONS *callbacks)
{
    auto *self = static_cast<FakeEngine *>(context);
    FakeCall call;
    call.options = *options;
    call.zipFileName = options->ZipFileName ? options->ZipFileName : "<null>";
    call.extractDir = options->ExtractDir ? options->ExtractDir : "<null>";
    call.includeCount = includeCount;
    call.includeSlots = Slots(includeCount, includeList);
    call.excludeCount = excludeCount;
    call.excludeSlots = Slots(excludeCount, excludeList);
    call.callbacks = *callbacks;
    {
        std::lock_guard lock(self->m_mutex);
        self->calls.push_back(call);
    }
    return self->script ? self->script(call, *callbacks, *options) : UZ_OK;
}

int32_t FakeEngine::OnVersion(void *context, UZ_VERSION *version)
{
    auto *self = static_cast<FakeEngine *>(context);
    return self->versionScript ? self->versionScript(*version) : 0;
}
