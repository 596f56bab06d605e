#include "EngineLibrary.h"
#include "UserText.h"

#include "ProgramFolder.h"
#include "RuntimeError.h"

#include <dlfcn.h>
#include <mutex>

namespace {

struct LoadedLibrary {
    std::string path; // "" = the program folder's library
    void *handle = nullptr;
    std::string loadedFrom;
};

std::mutex libraryMutex;
LoadedLibrary library;

std::string PathToLoad()
{
    if (!library.path.empty())
        return library.path;
    return ProgramFolder() + "/" + EngineLibraryName;
}

// Opens the library on first use and keeps the handle. A failed open is tried
// again on the next call, so an engine put in place later is still found.
void *Symbol(const char *name)
{
    std::lock_guard lock(libraryMutex);
    const std::string path = PathToLoad();
    if (!library.handle || library.loadedFrom != path) {
        library.handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!library.handle) {
            const char *why = dlerror();
            throw RuntimeError(static_cast<ErrorNumber>(EngineFileNotFound),
                               why ? FillIn(Translated("EngineLibrary", "File not found: %1 (%2)"), {path, why})
                                   : FillIn(Translated("EngineLibrary", "File not found: %1"), {path}));
        }
        library.loadedFrom = path;
    }
    dlerror();
    void *symbol = dlsym(library.handle, name);
    if (!symbol)
        throw RuntimeError(static_cast<ErrorNumber>(EngineEntryPointNotFound),
                           FillIn(Translated("EngineLibrary", "Can't find DLL entry point %1 in %2"), {name, path}));
    return symbol;
}

} // namespace

void SetEngineLibraryPath(const std::string &path)
{
    std::lock_guard lock(libraryMutex);
    library.path = path;
}

std::string EngineLibraryPath()
{
    std::lock_guard lock(libraryMutex);
    return PathToLoad();
}

SingleEntryUnzipFunction EngineSingleEntryUnzip()
{
    return reinterpret_cast<SingleEntryUnzipFunction>(Symbol("Wiz_SingleEntryUnzip"));
}

VersionFunction EngineVersion() { return reinterpret_cast<VersionFunction>(Symbol("UzpVersion2")); }
