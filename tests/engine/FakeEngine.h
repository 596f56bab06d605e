// Test side of the fake engine library: installs a handler for the engine
// call and points the program at the fake for the lifetime of the object.
#pragma once

#include "unzip32.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

// What the program handed to one engine call.
struct FakeCall {
    DCL options{};
    std::string zipFileName;
    std::string extractDir;
    int32_t includeCount = 0;
    std::vector<std::string> includeSlots; // up to and including the closing empty text
    int32_t excludeCount = 0;
    std::vector<std::string> excludeSlots;
    USERFUNCTIONS callbacks{};
};

class FakeEngine {
public:
    using Script = std::function<int32_t(FakeCall &call, USERFUNCTIONS &callbacks, DCL &options)>;
    using VersionScript = std::function<int32_t(UZ_VERSION &version)>;

    // Loads `libraryPath` (the complete fake by default) as the engine.
    explicit FakeEngine(const std::string &libraryPath = FAKE_ENGINE_PATH);
    ~FakeEngine();
    FakeEngine(const FakeEngine &) = delete;
    FakeEngine &operator=(const FakeEngine &) = delete;

    // What the next engine calls do; the default answers UZ_OK and calls nothing.
    Script script;
    VersionScript versionScript;
    // One record per engine call, in order. The script gets its own copy.
    std::vector<FakeCall> calls;

private:
    static int32_t OnUnzip(void *context, int32_t includeCount, char **includeList, int32_t excludeCount,
                           char **excludeList, DCL *options, USERFUNCTIONS *callbacks);
    static int32_t OnVersion(void *context, UZ_VERSION *version);
    void *m_handle = nullptr;
    std::mutex m_mutex; // engine calls may come from several threads
};
