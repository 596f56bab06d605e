// The password line of --password-stdin: asked for on a terminal, with a
// prompt on standard error and the typing not shown; read as it comes from
// a pipe or a file.
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>

// One line from `fd` without its newline, reading at most `limit` + 1 bytes;
// empty optional when the input ends before any byte. When `fd` is a
// terminal, "Password: " goes to `prompt` first and the echo is off until
// the line is read (also if the program is interrupted meanwhile);
// `question` replaces "Password: " when given.
std::optional<std::string> ReadPasswordLine(int fd, std::FILE *prompt, std::size_t limit,
                                            const std::string &question = {});
