// Names written without the UTF-8 flag in the code page of the writer's
// system: each archive's names are read in the code page found for all of
// them together, and come out as the names the writer saw.
#include "EngineCall.h"
#include "RawZipWriter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iconv.h>

namespace fs = std::filesystem;

namespace {

// `text` (UTF-8) in the Windows code page `codePage`, as a writer stored it.
std::string encoded(const std::string &text, int codePage)
{
    iconv_t converter = iconv_open(("CP" + std::to_string(codePage)).c_str(), "UTF-8");
    EXPECT_NE(converter, iconv_t(-1)) << codePage;
    std::string input = text, out(text.size() * 4, '\0');
    char *in = input.data(), *to = out.data();
    size_t inLeft = input.size(), toLeft = out.size();
    EXPECT_NE(iconv(converter, &in, &inLeft, &to, &toLeft), size_t(-1)) << text << " in CP" << codePage;
    iconv_close(converter);
    out.resize(out.size() - toLeft);
    return out;
}

struct Case {
    const char *what;
    int codePage;                          // how the names are stored
    std::vector<std::string> names;        // as the writer saw them (UTF-8)
    std::vector<std::string> written = {}; // what must come out; empty: the names themselves
    int forced = 0;                        // the option record's field 13
};

std::vector<Case> cases()
{
    const std::vector<std::string> western = {"Fotos/Ferien in Düsseldorf.jpg", "Dokumente/Bericht für März.docx",
                                              "Musik/Lieblingsstücke.mp3", "Café/Crème brûlée.txt", "readme.txt"};
    const std::vector<std::string> cyrillic
        = {"Фотографии/Отпуск.jpg", "Документы/Отчёт за год.docx", "Музыка/Избранное.mp3", "Новая папка/описание.txt"};
    const std::vector<std::string> polish
        = {"Zdjęcia z wakacji/Łódź i Gdańsk.jpg", "Dokumenty/Sprawozdanie źródłowe.docx",
           "Muzyka/Ulubione piosenki.mp3", "Nowy folder/Opis zawartości.txt"};
    return {
        {"Shift_JIS", 932, {"写真/旅行.jpg", "写真/家族/誕生日.png", "書類/請求書2023.pdf", "音楽/お気に入り.mp3"}},
        {"GBK", 936, {"照片/旅行.jpg", "文档/报告.docx", "音乐/我的最爱.mp3", "新建文件夹/说明.txt"}},
        {"Big5", 950, {"照片/旅遊.jpg", "文件/報告.docx", "音樂/我的最愛.mp3", "新增資料夾/說明.txt"}},
        {"Korean", 949, {"사진/여행.jpg", "문서/보고서.docx", "음악/즐겨찾기.mp3", "새 폴더/설명.txt"}},
        {"DOS Cyrillic", 866, cyrillic},
        {"Windows Cyrillic", 1251, cyrillic},
        {"Greek", 1253, {"Φωτογραφίες/Διακοπές.jpg", "Έγγραφα/Αναφορά.docx", "Μουσική/Αγαπημένα.mp3"}},
        {"Windows Central European", 1250, polish},
        {"DOS Central European", 852, polish},
        {"Windows Western", 1252, western},
        {"DOS Western", 850, western},
        {"DOS US", 437, western},
        {"too few bytes to tell: the format's default", 1252, {"é.txt", "plain.txt"}, {"Θ.txt", "plain.txt"}},
        {"the user's choice wins", 1251, {"Я.txt"}, {}, 1251},
        {"a byte with no character in the code page", 932, {"写真/旅行.jpg", "書類/請求書.pdf", "音楽.mp3"}, {}},
    };
}

} // namespace

TEST(LegacyNames, EachArchiveIsReadInTheCodePageOfAllItsNames)
{
    TempDir dir;
    for (const Case &c : cases()) {
        SCOPED_TRACE(c.what);
        RawZip zip;
        std::vector<std::string> expected = c.written.empty() ? c.names : c.written;
        for (const std::string &name : c.names)
            zip.entries.push_back(StoredEntry(encoded(name, c.codePage), "x"));
        if (c.what == std::string("a byte with no character in the code page")) {
            zip.entries.push_back(StoredEntry(encoded("写真", 932)
                                                  + "\x80"
                                                    ".txt",
                                              "x"));
            expected.push_back("写真_.txt");
        }
        // A Unicode path field still names its own entry.
        zip.entries.push_back(StoredEntry("\x81"
                                          "ber.txt",
                                          "x"));
        zip.entries.back().centralExtra = UnicodePathExtra("\x81"
                                                           "ber.txt",
                                                           "über-unicode.txt");
        expected.push_back("über-unicode.txt");
        std::sort(expected.begin(), expected.end());

        fs::remove_all(dir / "out");
        WriteRawZip(dir / "names.zip", zip);
        EngineCall call((dir / "names.zip").string(), (dir / "out").string());
        call.options.NameCodePage = c.forced;
        EXPECT_EQ(call.run(), UZ_OK);
        EXPECT_EQ(FilesBelow(dir / "out"), expected);
    }
}
