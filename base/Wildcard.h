// The one wildcard matcher: "*" matches any run (also "/"), "?" any one
// element. The engine matches entry names byte by byte, the folder scan
// file names character by character with the letter case folded; each says
// what "the same" means for its elements.
#pragma once

#include <cstddef>

template <typename Sequence, typename Same>
bool WildcardMatches(const Sequence &text, const Sequence &pattern, Same same)
{
    // Greedy, with one point to go back to: the last "*" seen. Linear in the
    // usual case and never exponential, whatever the pattern.
    std::size_t t = 0, p = 0, star = std::size_t(-1), resume = 0;
    while (t < std::size_t(text.size())) {
        if (p < std::size_t(pattern.size()) && pattern[p] == '*') {
            star = p++;
            resume = t;
        } else if (p < std::size_t(pattern.size()) && (pattern[p] == '?' || same(pattern[p], text[t]))) {
            ++p;
            ++t;
        } else if (star != std::size_t(-1)) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < std::size_t(pattern.size()) && pattern[p] == '*')
        ++p;
    return p == std::size_t(pattern.size());
}
