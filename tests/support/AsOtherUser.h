// Root ignores file permissions, so tests that need something unreadable or
// unwritable run that step as the unprivileged user "nobody" instead.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

// The prefix that runs a command as "nobody" when the test runs as root; ""
// when it already runs as an ordinary user; no value when root cannot drop
// its privileges here (the test should skip, saying why).
inline std::optional<std::string> UnprivilegedCommandPrefix()
{
    if (::geteuid() != 0)
        return std::string();
    if (!std::filesystem::exists("/usr/bin/setpriv"))
        return std::nullopt;
    return std::string("/usr/bin/setpriv --reuid=65534 --regid=65534 --clear-groups ");
}
