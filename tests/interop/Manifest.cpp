#include "Manifest.h"

#include <fstream>
#include <stdexcept>

namespace {

// Just the JSON the generator writes: objects, strings, true, false and null.
class Line {
public:
    explicit Line(std::string text) : m_text(std::move(text)) {}

    template <typename OnMember> void object(OnMember onMember)
    {
        expect('{');
        if (peek() == '}') {
            ++m_at;
            return;
        }
        do {
            std::string key = string();
            expect(':');
            onMember(key);
        } while (next() == ',');
        if (m_text[m_at - 1] != '}')
            fail("'}' expected");
    }

    std::optional<std::string> stringOrNull()
    {
        if (peek() == 'n') {
            word("null");
            return std::nullopt;
        }
        return string();
    }

    bool boolean()
    {
        if (peek() == 't') {
            word("true");
            return true;
        }
        word("false");
        return false;
    }

    std::string string()
    {
        expect('"');
        std::string out;
        while (m_at < m_text.size() && m_text[m_at] != '"') {
            char c = m_text[m_at++];
            if (c != '\\') {
                out += c;
                continue;
            }
            char e = m_at < m_text.size() ? m_text[m_at++] : 0;
            if (e == 'u')
                fail("\\u escapes are not written by the generator"); // it writes UTF-8 as it is
            out += e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e == 'b' ? '\b' : e == 'f' ? '\f' : e;
        }
        expect('"');
        return out;
    }

private:
    char peek()
    {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t'))
            ++m_at;
        return m_at < m_text.size() ? m_text[m_at] : '\0';
    }
    char next()
    {
        char c = peek();
        ++m_at;
        return c;
    }
    void expect(char c)
    {
        if (next() != c)
            fail(std::string("'") + c + "' expected");
    }
    void word(const std::string &w)
    {
        peek();
        if (m_text.compare(m_at, w.size(), w) != 0)
            fail(w + " expected");
        m_at += w.size();
    }
    [[noreturn]] void fail(const std::string &what)
    {
        throw std::runtime_error("manifest: " + what + " at column " + std::to_string(m_at) + ": " + m_text);
    }

    std::string m_text;
    size_t m_at = 0;
};

CorpusArchive parse(const std::string &text, const std::filesystem::path &base)
{
    CorpusArchive a;
    Line line(text);
    line.object([&](const std::string &key) {
        if (key == "archive") {
            a.archive = base / line.string();
            a.name = a.archive.stem().string();
        } else if (key == "tree") {
            a.tree = base / line.string();
        } else if (key == "label") {
            a.label = line.string();
        } else if (key == "password") {
            a.password = line.stringOrNull();
        } else if (key == "skip") {
            a.skip = line.stringOrNull();
        } else if (key == "empty_dirs" || key == "dir_times" || key == "batch") {
            (key == "batch" ? a.batch : key == "empty_dirs" ? a.emptyDirs : a.dirTimes) = line.boolean();
        } else if (key == "extra") {
            line.object([&](const std::string &name) { a.extra[name] = line.stringOrNull(); });
        } else {
            throw std::runtime_error("manifest: unknown field " + key);
        }
    });
    return a;
}

} // namespace

std::vector<CorpusArchive> ReadManifest(const std::filesystem::path &file)
{
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read the corpus manifest " + file.string());
    std::vector<CorpusArchive> archives;
    for (std::string text; std::getline(in, text);)
        if (!text.empty())
            archives.push_back(parse(text, file.parent_path()));
    return archives;
}
