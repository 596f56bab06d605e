#include "PartSets.h"

#include "AddFolder.h"
#include "PathHelpers.h"
#include "SetParts.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <optional>

namespace {

const QString SplitFirstSuffix = QStringLiteral(".001");

// The name of the part a set is extracted from, its extension in the letter
// case of the later part's own, and where that extension begins.
struct FirstPartName {
    QString name;
    qsizetype stemLength = 0;
};

std::optional<FirstPartName> FirstPartOf(const QString &name)
{
    static const QRegularExpression split(QStringLiteral("^(.+)(\\.zip|\\.7z)\\.([0-9]{3,})$"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression spanned(QStringLiteral("^(.+)\\.([zZrR])[0-9]{2,}$"));
    static const QRegularExpression rarPart(QStringLiteral("^(.+\\.part)([0-9]+)(\\.rar)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = split.match(name); m.hasMatch()) {
        bool fits = false;
        const qulonglong number = m.captured(3).toULongLong(&fits);
        // Too many digits to hold is far past the first part.
        if (fits && number < 2)
            return std::nullopt;
        return FirstPartName{m.captured(1) + m.captured(2) + SplitFirstSuffix, m.capturedLength(1)};
    }
    if (const QRegularExpressionMatch m = spanned.match(name); m.hasMatch()) {
        // NAME.z01 belongs to NAME.zip, NAME.r00 to NAME.rar.
        const QString letter = m.captured(2);
        const QString rest = letter.compare(QLatin1String("z"), Qt::CaseInsensitive) == 0 ? QStringLiteral("ip")
                                                                                          : QStringLiteral("ar");
        const QString extension = QLatin1Char('.') + letter + (letter.isUpper() ? rest.toUpper() : rest);
        return FirstPartName{m.captured(1) + extension, m.capturedLength(1)};
    }
    if (const QRegularExpressionMatch m = rarPart.match(name); m.hasMatch()) {
        // NAME.part02.rar -> NAME.part01.rar: the first keeps the later one's width.
        bool fits = false;
        const qulonglong number = m.captured(2).toULongLong(&fits);
        if (fits && number < 2)
            return std::nullopt;
        const QString first = QStringLiteral("1").rightJustified(m.capturedLength(2), QLatin1Char('0'));
        return FirstPartName{m.captured(1) + first + m.captured(3), m.capturedLength(1) + m.capturedLength(2)};
    }
    return std::nullopt;
}

// The same name as `wanted`, but perhaps for the letter case of its extension.
bool SameButForCase(const QString &candidate, const FirstPartName &wanted)
{
    const QStringView name(candidate);
    const QStringView first(wanted.name);
    return name.size() == first.size() && name.left(wanted.stemLength) == first.left(wanted.stemLength)
        && name.mid(wanted.stemLength).compare(first.mid(wanted.stemLength), Qt::CaseInsensitive) == 0;
}

} // namespace

QStringList PartsOfSet(const QString &path)
{
    QStringList parts;
    for (const std::string &part : unzip32::FilesOfArchive(QFile::encodeName(path).toStdString()))
        parts << QFile::decodeName(QByteArray::fromStdString(part));
    return parts;
}

QStringList ScanPatterns(const QString &pattern)
{
    if (pattern.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive)
        || pattern.endsWith(QLatin1String(".7z"), Qt::CaseInsensitive))
        return {pattern, pattern + SplitFirstSuffix};
    return {pattern};
}

QString PartSetFilter::admit(const QString &path)
{
    const QString first = firstPartBeside(path);
    if (first.isEmpty()) {
        if (m_forParts.contains(path))
            return {};
        m_asGiven.insert(path);
        return path;
    }
    if (m_asGiven.contains(first) || m_forParts.contains(first))
        return {};
    m_forParts.insert(first);
    return first;
}

QString PartSetFilter::firstPartBeside(const QString &path)
{
    const qsizetype nameStart = path.lastIndexOf(NativeSeparator) + 1;
    const std::optional<FirstPartName> wanted = FirstPartOf(path.mid(nameStart));
    if (!wanted)
        return {};
    const QString folder = path.left(nameStart);
    if (IsOpenableFile(folder + wanted->name))
        return folder + wanted->name;
    for (const QString &name : namesIn(folder)) {
        if (SameButForCase(name, *wanted) && IsOpenableFile(folder + name))
            return folder + name;
    }
    return {};
}

const QStringList &PartSetFilter::namesIn(const QString &folder)
{
    auto listing = m_listings.find(folder);
    if (listing == m_listings.end()) {
        const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
        listing = m_listings.insert(folder, dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name));
    }
    return *listing;
}
