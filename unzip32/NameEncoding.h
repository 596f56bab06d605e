// Names written without the UTF-8 flag, in the code page of the writer's
// Windows (Japanese, Chinese, Korean, Cyrillic, Greek, Central European
// systems) or of an old tool. An archive's names are decided as a whole: a
// single name is too short to tell Shift_JIS from CP437, all of them
// together usually are not.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace unzip32 {

// The Windows code pages ZIP writers used for names, by number (as field 13
// of the option record gives them); 65001 is UTF-8.
bool IsKnownCodePage(int codePage);

// The code page of these names (the stored bytes of the entries without the
// UTF-8 flag whose names are not plain ASCII): 65001 when every one is UTF-8,
// else what a detector makes of them all together, limited to the code pages
// above; 437, the format's own default, when nothing is confident.
int DetectCodePage(const std::vector<std::string_view> &names);

// Names read in one code page, as UTF-8; a byte that is invalid there becomes
// "_" (never dropped, so names stay apart and no separator appears). One
// converter serves every name of an archive.
class NameDecoder {
public:
    explicit NameDecoder(int codePage);
    ~NameDecoder();
    NameDecoder(const NameDecoder &) = delete;
    NameDecoder &operator=(const NameDecoder &) = delete;
    std::string operator()(std::string_view bytes);

private:
    int m_codePage;
    void *m_converter = nullptr; // iconv_t; null for CP437, which is ours
};

} // namespace unzip32
