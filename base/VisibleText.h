// Text about archives (their paths, entry names, reasons) comes from senders
// we do not trust. Printed raw, an escape sequence in a name drives the user's
// terminal and a newline forges a line in a log; this is the one function
// every such text passes through before it is shown. No Qt: the engine uses
// it too.
#pragma once

#include <string>
#include <string_view>

// Strict UTF-8: no overlong forms, surrogates or code points past U+10FFFF.
bool IsValidUtf8(std::string_view text);

// `text` with every control character shown as an escape: "\n", "\r", "\t",
// "\x1b" for the other C0 controls and DEL, "\u009b" for C1 controls and for
// the bidirectional overrides that make a name read backwards; bytes that are
// not UTF-8 become "\xff". Backslashes stay as they are (Windows-made names
// hold them), so the result is for reading, not for parsing back.
std::string VisibleText(std::string_view text);

// VisibleText undone, for a text that held no backslash of its own (a path
// the engine wrote, whose backslashes all come from the escapes).
std::string TextFromVisible(std::string_view shown);
