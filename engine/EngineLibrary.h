// Finding the engine library at run time. The program must survive its
// absence, so it is opened with dlopen rather than linked.
#pragma once

#include "unzip32.h"

#include <string>

using SingleEntryUnzipFunction = int32_t (*)(int32_t, char **, int32_t, char **, DCL *, USERFUNCTIONS *);
using VersionFunction = int32_t (*)(UZ_VERSION *);

// The library's file name, looked up in ProgramFolder() unless a path is set.
inline constexpr const char *EngineLibraryName = "libunzip32.so";

// Tests load a fake engine, or a path that names nothing; "" restores the
// default. A library already opened stays loaded: a call on another thread
// may still be inside it.
void SetEngineLibraryPath(const std::string &path);
// The path that the next load will use.
std::string EngineLibraryPath();

// The engine's entry points, loaded once and kept. Each throws RuntimeError
// with number 53 (file not found) when the library cannot be opened and 453
// (entry point not found) when it lacks the function.
SingleEntryUnzipFunction EngineSingleEntryUnzip();
VersionFunction EngineVersion();

// Run-time error numbers of a missing library or entry point.
inline constexpr int EngineFileNotFound = 53;
inline constexpr int EngineEntryPointNotFound = 453;
