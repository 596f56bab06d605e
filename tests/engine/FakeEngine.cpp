// A stand-in for the engine library: its two entry points hand every argument
// to a handler that the test installs, so a test decides exactly which
// callbacks are made with which values and sees what the program passed.
// Built twice: once complete, once without any entry point (FAKE_NO_ENTRY).
#include "unzip32.h"

#include <cstring>

extern "C" {

typedef int32_t (*FakeUnzipHandler)(void *context, int32_t includeCount, char **includeList, int32_t excludeCount,
                                    char **excludeList, DCL *options, USERFUNCTIONS *callbacks);
typedef int32_t (*FakeVersionHandler)(void *context, UZ_VERSION *version);

static FakeUnzipHandler unzipHandler = nullptr;
static FakeVersionHandler versionHandler = nullptr;
static void *handlerContext = nullptr;

UNZIP32_API void FakeEngine_SetHandlers(FakeUnzipHandler unzip, FakeVersionHandler version, void *context)
{
    unzipHandler = unzip;
    versionHandler = version;
    handlerContext = context;
}

#ifndef FAKE_NO_ENTRY
UNZIP32_API int32_t Wiz_SingleEntryUnzip(int32_t includeCount, char **includeList, int32_t excludeCount,
                                         char **excludeList, DCL *options, USERFUNCTIONS *callbacks)
{
    if (!unzipHandler)
        return UZ_OK;
    return unzipHandler(handlerContext, includeCount, includeList, excludeCount, excludeList, options, callbacks);
}

UNZIP32_API int32_t UzpVersion2(UZ_VERSION *version)
{
    if (!versionHandler)
        return 0;
    return versionHandler(handlerContext, version);
}
#endif

} // extern "C"
