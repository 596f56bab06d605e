#include "UserText.h"

#include <atomic>
#include <vector>

namespace {
// Set once at start, read from the engine's worker threads.
std::atomic<TextLookup> g_lookup{nullptr};
} // namespace

void SetTextLookup(TextLookup lookup) { g_lookup.store(lookup); }

std::string Translated(const char *context, const char *source)
{
    const TextLookup lookup = g_lookup.load();
    return lookup ? lookup(context, source) : std::string(source);
}

std::string FillIn(std::string_view text, std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(text.size() + 32);
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' && size_t(next - '1') < values.size()) {
            out += values[size_t(next - '1')];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
