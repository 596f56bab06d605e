#include "VisibleText.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Length of the strict UTF-8 sequence at `at` and its code point; 0 when the
// bytes there are not one.
size_t sequenceAt(std::string_view text, size_t at, char32_t &code)
{
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    unsigned char c = p[at];
    size_t length;
    if (c < 0x80) {
        code = c;
        return 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        code = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        code = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        code = c & 0x07;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((p[at + k] & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (p[at + k] & 0x3F);
    }
    if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF)))
        || (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
        return 0;
    return length;
}

bool hidden(char32_t code)
{
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x061C || code == 0x200E || code == 0x200F
        || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

void appendEscape(std::string &out, char32_t code, bool byte)
{
    switch (code) {
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
    }
    char text[16];
    if (byte || code < 0x80)
        std::snprintf(text, sizeof text, "\\x%02x", unsigned(code));
    else
        std::snprintf(text, sizeof text, "\\u%04x", unsigned(code));
    out += text;
}

} // namespace

bool IsValidUtf8(std::string_view text)
{
    char32_t code;
    for (size_t i = 0; i < text.size();) {
        size_t length = sequenceAt(text, i, code);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string VisibleText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t code;
        size_t length = sequenceAt(text, i, code);
        if (length == 0) {
            appendEscape(out, static_cast<unsigned char>(text[i]), true);
            ++i;
            continue;
        }
        if (hidden(code))
            appendEscape(out, code, false);
        else
            out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

namespace {

void appendUtf8(std::string &out, unsigned long code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

} // namespace

std::string TextFromVisible(std::string_view shown)
{
    std::string out;
    out.reserve(shown.size());
    for (size_t i = 0; i < shown.size(); ++i) {
        const char next = i + 1 < shown.size() ? shown[i + 1] : '\0';
        const size_t digits = next == 'x' ? 2 : next == 'u' ? 4 : 0;
        if (shown[i] != '\\' || (digits == 0 && next != 'n' && next != 'r' && next != 't')) {
            out += shown[i];
            continue;
        }
        if (digits == 0) {
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : '\t';
            ++i;
            continue;
        }
        const std::string hex(shown.substr(i + 2, digits));
        char *end = nullptr;
        const unsigned long code = std::strtoul(hex.c_str(), &end, 16);
        if (hex.size() != digits || end != hex.c_str() + digits) {
            out += shown[i];
            continue;
        }
        if (digits == 2)
            out += char(code); // "\xff" is the byte itself, not a code point
        else
            appendUtf8(out, code);
        i += 1 + digits;
    }
    return out;
}
