// Archives made by real archivers (and layouts of ones we cannot run), extracted by the engine
// and held against the source trees they were made from. The corpus is made at test time by
// make_corpus.py; INTEROP_MANIFEST names its manifest (the other kinds are in kinds.jsonl beside
// it), MARROWLYN_BATCH the batch command.
#include "EngineCall.h"
#include "Manifest.h"
#include "TempDir.h"
#include "TreeCompare.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

const char *manifestPath() { return std::getenv("INTEROP_MANIFEST"); }

enum class Only { All, Batch, Sets };

std::vector<CorpusArchive> corpus(Only only)
{
    std::vector<CorpusArchive> all;
    if (const char *path = manifestPath(); path && std::filesystem::exists(path))
        all = ReadManifest(path);
    std::erase_if(all, [&](const CorpusArchive &a) {
        return (only == Only::Batch && !a.batch) || (only == Only::Sets && a.parts.size() < 3);
    });
    return all;
}

std::vector<CorpusArchive> otherKinds()
{
    const char *path = manifestPath();
    const std::filesystem::path file = std::filesystem::path(path ? path : "").parent_path() / "kinds.jsonl";
    return path && std::filesystem::exists(file) ? ReadManifest(file) : std::vector<CorpusArchive>{};
}

std::string testName(const testing::TestParamInfo<CorpusArchive> &info)
{
    std::string name = info.param.name;
    for (char &c : name)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

void expectSameTree(const CorpusArchive &archive, const std::filesystem::path &out)
{
    std::vector<std::string> differences = TreeDifferences(archive.tree, out, archive);
    for (size_t i = 0; i < differences.size() && i < 12; ++i)
        ADD_FAILURE() << differences[i];
    if (differences.size() > 12)
        ADD_FAILURE() << differences.size() - 12 << " more differences";
}

std::string quoted(const std::string &text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct Said {
    int status;
    std::string text;
};

Said shell(const std::string &command)
{
    Said said{-1, {}};
    FILE *pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return said;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        said.text.append(buffer, n);
    said.status = pclose(pipe);
    return said;
}

// The text without the archive's path and name, which may hold the word looked for.
std::string withoutName(std::string text, const std::filesystem::path &archive)
{
    for (const std::string &name : {archive.string(), archive.filename().string()})
        for (size_t at; (at = text.find(name)) != std::string::npos;)
            text.erase(at, name.size());
    return text;
}

std::string lowered(std::string text)
{
    for (char &c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The engine's result and lines; or, with INTEROP_REFERENCE_EXTRACTOR naming another extractor
// (reference_extract.py), that one's, so that the corpus and these checks can be judged alone.
Said extract(const CorpusArchive &archive, const std::filesystem::path &out)
{
    if (const char *reference = std::getenv("INTEROP_REFERENCE_EXTRACTOR")) {
        Said said = shell(std::string(reference) + " " + quoted(archive.archive.string()) + " " + quoted(out.string()));
        said.status = said.status == 0 ? UZ_OK : UZ_SOME_FAILED;
        return said;
    }
    EngineCall call(archive.archive.string(), out.string());
    if (archive.password)
        call.passwords.assign(4, *archive.password);
    Said said{call.run(), {}};
    for (const std::string &line : call.lines)
        said.text += line + "\n";
    return said;
}

class Extraction : public testing::TestWithParam<CorpusArchive> {
protected:
    void SetUp() override
    {
        if (GetParam().skip)
            GTEST_SKIP() << GetParam().label << ": " << *GetParam().skip;
    }
};

class Batch : public Extraction {};
class OtherKind : public Extraction {};
class DamagedSet : public Extraction {};

} // namespace

void PrintTo(const CorpusArchive &archive, std::ostream *out) { *out << archive.label; }

TEST(Corpus, ManifestWasMade)
{
    if (!manifestPath())
        GTEST_SKIP() << "INTEROP_MANIFEST is not set: run through ctest -L interop";
    EXPECT_FALSE(corpus(Only::All).empty()) << "no archives in " << manifestPath();
}

TEST_P(Extraction, GivesBackItsSourceTree)
{
    const CorpusArchive &archive = GetParam();
    SCOPED_TRACE(archive.label + " (" + archive.archive.string() + ")");
    TempDir dir;
    EngineCall call(archive.archive.string(), (dir / "out").string());
    if (archive.password)
        call.passwords.assign(4, *archive.password); // a wrong answer would be asked again
    EXPECT_EQ(call.run(), UZ_OK);
    for (const std::string &line : call.lines)
        EXPECT_FALSE(line.starts_with("error: ")) << line;
    expectSameTree(archive, dir / "out");
}

// The program's own path: settings, scheduling and the engine loaded beside the command.
TEST_P(Batch, GivesBackItsSourceTree)
{
    const CorpusArchive &archive = GetParam();
    SCOPED_TRACE(archive.label + " (" + archive.archive.string() + ")");
    const char *batch = std::getenv("MARROWLYN_BATCH");
    if (!batch || !std::filesystem::exists(batch))
        GTEST_SKIP() << "MARROWLYN_BATCH does not name a built marrowlyn-batch";
    TempDir dir;
    std::filesystem::create_directory(dir / "out");
    std::string command = "HOME=" + quoted(dir.str()) + " XDG_CONFIG_HOME=" + quoted(dir.str()) + " " + quoted(batch)
        + " --quiet --mode one-folder -o " + quoted((dir / "out").string());
    if (archive.password) {
        dir.write("password", *archive.password + "\n");
        command += " --password-file " + quoted((dir / "password").string());
    }
    const Said said = shell(command + " " + quoted(archive.archive.string()));
    EXPECT_EQ(said.status, 0) << said.text;
    expectSameTree(archive, dir / "out");
}

// 7z, RAR, tar and its compressors, single compressed files, ISO, cab, cpio: the tree back with
// its modes and links, or, for what cannot be opened, a refusal that says why and writes nothing.
TEST_P(OtherKind, GivesBackItsSourceTreeOrSaysWhyNot)
{
    const CorpusArchive &archive = GetParam();
    SCOPED_TRACE(archive.label + " (" + archive.archive.string() + ")");
    TempDir dir;
    const std::filesystem::path out = dir / "out";
    const Said said = extract(archive, out);
    if (archive.expectRefusal) {
        EXPECT_NE(said.status, UZ_OK);
        EXPECT_NE(lowered(withoutName(said.text, archive.archive)).find(*archive.expectRefusal), std::string::npos)
            << "the refusal does not say \"" << *archive.expectRefusal << "\": " << said.text;
        EXPECT_TRUE(!std::filesystem::exists(out) || std::filesystem::is_empty(out)) << "written although refused";
        return;
    }
    EXPECT_EQ(said.status, UZ_OK) << said.text;
    EXPECT_EQ(said.text.find("error: "), std::string::npos) << said.text;
    expectSameTree(archive, out);
}

// A set with a part missing or cut short is refused whole, with the part named;
// nothing of it is written.
TEST_P(DamagedSet, NamesThePartAndWritesNothing)
{
    const CorpusArchive &archive = GetParam();
    const size_t last = archive.parts.size() - 1;
    const std::string lastName = archive.parts[last].filename().string();
    const bool spanned = archive.parts[last] == archive.archive;
    struct Damage {
        const char *what;
        size_t part;
        bool removed;
        std::string said;
    } const damages[] = {
        {"second part missing", 1, true, "part 2 (\"" + archive.parts[1].filename().string() + "\") is missing"},
        {"second part cut short", 1, false, "part 2 (\"" + archive.parts[1].filename().string() + "\") is cut short"},
        {"last part cut short", last, false,
         spanned ? "the last part (\"" + lastName + "\") of the set is cut short"
                 : "part " + std::to_string(last + 1) + " (\"" + lastName + "\") is cut short"},
    };
    for (const Damage &damage : damages) {
        SCOPED_TRACE(archive.label + ", " + damage.what);
        TempDir dir;
        for (const std::filesystem::path &part : archive.parts)
            std::filesystem::copy_file(part, dir / part.filename());
        const std::filesystem::path damaged = dir / archive.parts[damage.part].filename();
        if (damage.removed)
            std::filesystem::remove(damaged);
        else
            std::filesystem::resize_file(damaged, std::filesystem::file_size(damaged) / 2);
        EngineCall call((dir / archive.archive.filename()).string(), (dir / "out").string());
        if (archive.password)
            call.passwords.assign(4, *archive.password);
        EXPECT_NE(call.run(), UZ_OK);
        bool named = false;
        for (const std::string &line : call.lines)
            named = named || line.find(damage.said) != std::string::npos;
        EXPECT_TRUE(named) << "no line says: " << damage.said;
        EXPECT_FALSE(std::filesystem::exists(dir / "out") && !std::filesystem::is_empty(dir / "out"));
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, Extraction, testing::ValuesIn(corpus(Only::All)), testName);
INSTANTIATE_TEST_SUITE_P(Corpus, Batch, testing::ValuesIn(corpus(Only::Batch)), testName);
INSTANTIATE_TEST_SUITE_P(Corpus, DamagedSet, testing::ValuesIn(corpus(Only::Sets)), testName);
INSTANTIATE_TEST_SUITE_P(Kinds, OtherKind, testing::ValuesIn(otherKinds()), testName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Extraction);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Batch);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(DamagedSet);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(OtherKind);
