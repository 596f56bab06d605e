#include "Manifest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fstream>
#include <stdexcept>

namespace {

std::optional<std::string> stringOrNull(const QJsonValue &value)
{
    if (value.isNull())
        return std::nullopt;
    return value.toString().toStdString();
}

CorpusArchive parse(const std::string &text, const std::filesystem::path &base)
{
    QJsonParseError error{};
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error).object();
    if (error.error != QJsonParseError::NoError)
        throw std::runtime_error("manifest: " + error.errorString().toStdString() + ": " + text);
    CorpusArchive a;
    a.archive = base / o["archive"].toString().toStdString();
    a.name = o.contains("name") ? o["name"].toString().toStdString() : a.archive.stem().string();
    a.tree = base / o["tree"].toString().toStdString();
    a.label = o["label"].toString().toStdString();
    a.password = stringOrNull(o["password"]);
    a.skip = stringOrNull(o["skip"]);
    a.emptyDirs = o["empty_dirs"].toBool(true);
    a.dirTimes = o["dir_times"].toBool(true);
    a.batch = o["batch"].toBool(false);
    a.fileTimes = o["file_times"].toBool(true);
    a.modes = o["modes"].toBool(false);
    a.hardLinks = o["hard_links"].toBool(false);
    a.expectRefusal = stringOrNull(o["expect_refusal"]);
    for (const QJsonValue &part : o["parts"].toArray())
        a.parts.push_back(base / part.toString().toStdString());
    const QJsonObject extra = o["extra"].toObject();
    for (auto it = extra.begin(); it != extra.end(); ++it)
        a.extra[it.key().toStdString()] = stringOrNull(it.value());
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
