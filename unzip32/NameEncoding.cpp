#include "NameEncoding.h"

#include "Cp437.h"
#include "VisibleText.h"

#include <uchardet/uchardet.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <memory>

namespace unzip32 {

namespace {

constexpr int kCodePages[] = {437, 850, 852, 866, 1250, 1251, 1252, 1253, 932, 936, 949, 950, 65001};

// Fewer bytes beyond ASCII than this tell a detector nothing reliable.
constexpr size_t kFewestBytesToDetect = 6;
constexpr size_t kSampleLimit = 256 * 1024;

// What the detector names, as the code page a Windows writer used: the
// detector knows the standards, the writers used Microsoft's supersets.
int codePageOf(const char *charset)
{
    static const struct {
        const char *name;
        int codePage;
    } names[] = {
        {"SHIFT_JIS", 932},   {"GB18030", 936},       {"GB2312", 936},      {"HZ-GB-2312", 936},
        {"BIG5", 950},        {"UHC", 949},           {"EUC-KR", 949},      {"IBM866", 866},
        {"IBM852", 852},      {"WINDOWS-1251", 1251}, {"ISO-8859-5", 1251}, {"WINDOWS-1253", 1253},
        {"ISO-8859-7", 1253}, {"WINDOWS-1250", 1250}, {"ISO-8859-2", 1250}, {"UTF-8", 65001},
    };
    for (const auto &entry : names) {
        if (charset && strcasecmp(charset, entry.name) == 0)
            return entry.codePage;
    }
    return 0;
}

bool latinLetter(char32_t c) { return (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7); }

// How many of the characters beyond ASCII are Latin letters when read in
// `codePage`: Western names decoded in the wrong one of CP437, CP850 and
// CP1252 turn into box drawings, Greek, punctuation and unassigned bytes.
size_t lettersIn(const std::vector<std::string_view> &names, int codePage)
{
    size_t letters = 0;
    NameDecoder decode(codePage);
    for (std::string_view name : names) {
        const std::string text = decode(name);
        for (size_t i = 0; i < text.size(); ++i) {
            auto c = static_cast<unsigned char>(text[i]);
            // Two-byte sequences hold every Latin letter there is to count.
            if ((c & 0xE0) == 0xC0 && i + 1 < text.size()) {
                char32_t code = char32_t(c & 0x1F) << 6 | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
                letters += latinLetter(code) ? 1 : 0;
                ++i;
            }
        }
    }
    return letters;
}

// A Western name set: the detector cannot tell the DOS code pages from
// Windows's own, so the one that reads as the most letters wins, CP437 first.
int westernCodePage(const std::vector<std::string_view> &names)
{
    int best = 437;
    size_t bestLetters = lettersIn(names, 437);
    for (int codePage : {850, 1252}) {
        size_t letters = lettersIn(names, codePage);
        if (letters > bestLetters) {
            best = codePage;
            bestLetters = letters;
        }
    }
    return best;
}

} // namespace

bool IsKnownCodePage(int codePage)
{
    return std::find(std::begin(kCodePages), std::end(kCodePages), codePage) != std::end(kCodePages);
}

int DetectCodePage(const std::vector<std::string_view> &names)
{
    if (std::all_of(names.begin(), names.end(), [](std::string_view name) { return IsValidUtf8(name); }))
        return 65001;
    std::string sample;
    size_t high = 0;
    for (std::string_view name : names) {
        // A detector has made up its mind long before this much.
        if (sample.size() > kSampleLimit)
            break;
        sample.append(name).push_back('\n');
        high += size_t(std::count_if(name.begin(), name.end(), [](char c) { return (unsigned char)c >= 0x80; }));
    }
    if (high < kFewestBytesToDetect)
        return 437;
    std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(uchardet_new(), uchardet_delete);
    if (!detector || uchardet_handle_data(detector.get(), sample.data(), sample.size()) != 0)
        return 437;
    uchardet_data_end(detector.get());
    int codePage = codePageOf(uchardet_get_charset(detector.get()));
    // UTF-8 was ruled out above; anything else unknown is Western or unknown.
    if (codePage == 0 || codePage == 65001)
        return westernCodePage(names);
    return codePage;
}

NameDecoder::NameDecoder(int codePage) : m_codePage(codePage)
{
    if (codePage != 437) {
        std::string from = codePage == 65001 ? "UTF-8" : "CP" + std::to_string(codePage);
        iconv_t converter = iconv_open("UTF-8", from.c_str());
        if (converter == iconv_t(-1))
            m_codePage = 437;
        else
            m_converter = converter;
    }
}

NameDecoder::~NameDecoder()
{
    if (m_converter)
        iconv_close(iconv_t(m_converter));
}

std::string NameDecoder::operator()(std::string_view bytes)
{
    if (m_codePage == 437)
        return Cp437ToUtf8(bytes);
    if (m_codePage == 65001 && IsValidUtf8(bytes))
        return std::string(bytes);
    if (!m_converter)
        return Cp437ToUtf8(bytes);
    iconv(iconv_t(m_converter), nullptr, nullptr, nullptr, nullptr);
    std::string out;
    std::string input(bytes);
    char *in = input.data();
    size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char *to = buffer;
        size_t toLeft = sizeof buffer;
        size_t done = iconv(iconv_t(m_converter), &in, &inLeft, &to, &toLeft);
        out.append(buffer, size_t(to - buffer));
        if (done == size_t(-1) && errno != E2BIG) {
            // A byte (or an unfinished sequence at the end) the code page has no character for.
            out.push_back('_');
            ++in;
            --inLeft;
        }
    }
    return out;
}

} // namespace unzip32
