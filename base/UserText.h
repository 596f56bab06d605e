// Texts the user reads, in the user's language. This side has no Qt: the
// program installs the lookup once it has loaded its translations. Until
// then, and in tests, every text is its English source.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

using TextLookup = std::string (*)(const char *context, const char *source);
void SetTextLookup(TextLookup lookup);

// lupdate reads calls of this as it reads QCoreApplication::translate
// (-tr-function-alias translate+=Translated), so the literals must be
// written in the call itself.
std::string Translated(const char *context, const char *source);

// `text` with "%1".."%9" replaced by `args`, in one pass: a value that holds
// "%2" itself is not filled in again. Translations may reorder the markers.
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> args);
