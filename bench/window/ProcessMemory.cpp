#include "ProcessMemory.h"

#include <cstdio>
#include <cstring>

namespace {
long statusField(const char *field)
{
    std::FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    long value = 0;
    const size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            std::sscanf(line + length + 1, "%ld", &value);
            break;
        }
    }
    std::fclose(status);
    return value;
}
} // namespace

bool ResetPeakMemory()
{
    std::FILE *refs = std::fopen("/proc/self/clear_refs", "w");
    if (!refs)
        return false;
    const bool written = std::fputs("5", refs) >= 0;
    return std::fclose(refs) == 0 && written;
}

long PeakMemoryKiB() { return statusField("VmHWM"); }
long CurrentMemoryKiB() { return statusField("VmRSS"); }
