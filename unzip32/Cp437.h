// The code page of names written without the UTF-8 flag by the writers of
// the DOS and early Windows years, and the ZIP format's stated default.
#pragma once

#include <string>
#include <string_view>

namespace unzip32 {

std::string Cp437ToUtf8(std::string_view bytes);

} // namespace unzip32
