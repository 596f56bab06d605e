// The command's question for an archive's password at the terminal.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

class ProgressPrinter;

// Asks "Password for NAME: " on `terminal` (prompt on `prompt`), the echo
// off, one question at a time however many archives run side by side, the
// bar cleared meanwhile. An empty line or the input's end skips the archive.
std::function<std::optional<std::string>(const std::string &archive, int attempt)>
TerminalPasswordQuestion(int terminal, std::FILE *prompt, ProgressPrinter &progress);
