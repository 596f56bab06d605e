#include "SubfolderNames.h"

#include "HeldFolder.h"
#include "engine/cUnzip.h"
#include "joblist/ArchiveKinds.h"

namespace {

// A folder named after a file is one plain entry: "...zip" must not make "..".
QString plainFolderName(const QString &name)
{
    return FileNameFromBytes(QByteArray::fromStdString(PlainNameOf(FileNameBytes(name).toStdString())));
}

} // namespace

std::optional<QString> SingleTopFolder(const QString &archive)
{
    cUnzip unzip;
    unzip.ZipFile(FileNameBytes(archive).toStdString());
    unzip.Directory();
    if (unzip.LastEngineResult() != 0 || unzip.FileCount() == 0)
        return std::nullopt;
    std::optional<QString> top;
    for (int32_t i = 1; i <= unzip.FileCount(); ++i) {
        const QString path = QString::fromStdString(BuildEntryPath(unzip.FileDirectory(i), unzip.Filename(i)));
        const qsizetype slash = path.indexOf(QLatin1Char('/'));
        // A file at the top, or a second top folder, and the archive needs a folder of its own.
        if (slash <= 0)
            return std::nullopt;
        const QString first = path.left(slash);
        if (first == QLatin1String(".") || first == QLatin1String("..") || (top && *top != first))
            return std::nullopt;
        top = first;
    }
    return top;
}

QString FullBaseNameOf(const QString &archivePath, QChar separator)
{
    const QString name = FileNameFromPath(archivePath, separator);
    if (const qsizetype suffix = CompoundSuffixLength(name); suffix > 0)
        return name.chopped(suffix);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

SubfolderNamer::SubfolderNamer(RunOptions::SubfolderName rule, TopFolder topFolder)
    : m_rule(rule), m_topFolder(std::move(topFolder))
{}

QString SubfolderNamer::destinationFor(const QString &archive, const QString &outputText, UnzipMode mode,
                                       QChar separator)
{
    if (mode != UnzipMode::OwnSubfolder || m_rule == RunOptions::SubfolderName::FirstDot)
        return DestinationFor(archive, outputText, mode, separator);
    if (m_rule == RunOptions::SubfolderName::Smart) {
        if (const std::optional<QString> top = m_topFolder(archive)) {
            const QString folder = SubfolderOf(outputText, *top, separator);
            if (!m_taken.contains(folder)) {
                m_taken.insert(folder);
                return outputText;
            }
        }
    }
    return unique(outputText, plainFolderName(FullBaseNameOf(archive, separator)), separator);
}

QString SubfolderNamer::unique(const QString &outputText, const QString &name, QChar separator)
{
    QString folder = SubfolderOf(outputText, name, separator);
    for (int n = 2; m_taken.contains(folder); ++n)
        folder = SubfolderOf(outputText, QStringLiteral("%1 (%2)").arg(name).arg(n), separator);
    m_taken.insert(folder);
    return folder;
}
