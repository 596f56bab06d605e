// The two C entry points. Nothing thrown inside ever crosses this line.
#include "unzip32.h"

#include "Call.h"

#include <libdeflate.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Names up to the count, a null or an empty text, whichever comes first.
std::vector<std::string> readList(int32_t count, char **list)
{
    std::vector<std::string> names;
    for (int32_t i = 0; list && i < count; ++i) {
        if (!list[i] || !*list[i])
            break;
        names.emplace_back(list[i]);
    }
    return names;
}

void buildDate(char (&out)[20])
{
    static const char months[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    const char *date = __DATE__; // "Mmm dd yyyy"
    int month = int((std::strstr(months, std::string(date, 3).c_str()) - months) / 3 + 1);
    int day = std::atoi(date + 4);
    std::snprintf(out, sizeof out, "%.4s-%02d-%02d", date + 7, month, day);
}

} // namespace

extern "C" UNZIP32_API int32_t Wiz_SingleEntryUnzip(int32_t includeCount, char **includeList, int32_t excludeCount,
                                                    char **excludeList, DCL *options, USERFUNCTIONS *callbacks)
{
    if (!options || !callbacks || !options->ZipFileName || !*options->ZipFileName)
        return UZ_BAD_ARGUMENTS;
    callbacks->TotalSize = 0;
    callbacks->TotalPackedSize = 0;
    callbacks->EntryCount = 0;
    callbacks->FailedCount = 0;
    try {
        unzip32::NameFilter filter(readList(includeCount, includeList), readList(excludeCount, excludeList),
                                   options->CaseSensitive != 0);
        unzip32::Call call(*options, *callbacks, std::move(filter));
        return call.run();
    } catch (const std::bad_alloc &) {
        if (callbacks->print) {
            static const char text[] = "error: out of memory";
            callbacks->print(text, sizeof text - 1);
        }
        return UZ_SOME_FAILED;
    } catch (...) {
        if (callbacks->print) {
            static const char text[] = "error: internal failure";
            callbacks->print(text, sizeof text - 1);
        }
        return UZ_SOME_FAILED;
    }
}

extern "C" UNZIP32_API int32_t UzpVersion2(UZ_VERSION *version)
{
    if (!version || version->StructLength < sizeof(UZ_VERSION))
        return -1;
    std::memset(version->BetaLevel, 0, sizeof version->BetaLevel);
    buildDate(version->Date);
    std::snprintf(version->CodecVersion, sizeof version->CodecVersion, "%s", LIBDEFLATE_VERSION_STRING);
    const uint8_t format[4] = {6, 3, 0, 0};
    std::memcpy(version->FormatVersion, format, 4);
    std::memset(version->Reserved2, 0, 4);
    std::memset(version->Reserved3, 0, 4);
    const uint8_t engine[4] = {1, 0, 0, 0};
    std::memcpy(version->EngineVersion, engine, 4);
    return 0;
}
