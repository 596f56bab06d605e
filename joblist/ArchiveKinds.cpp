#include "ArchiveKinds.h"

#include "AddingCommands.h"
#include "PartSets.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// Each kind by the extension its archives usually carry; compressed tars by
// their short forms too (".tar.gz" is found as "*.gz").
const char *const OtherExtensions[] = {"7z",  "rar", "tar", "tgz", "tbz", "tbz2", "txz", "tzst", "tlz", "gz",
                                       "bz2", "xz",  "zst", "lz4", "lz",  "lzma", "Z",   "iso",  "cab", "cpio"};

const char *const CompoundSuffixes[] = {".tar.gz",   ".tar.bz2", ".tar.xz",  ".tar.zst", ".tar.lz4", ".tar.lz",
                                        ".tar.lzma", ".tar.z",   ".zip.001", ".7z.001",  ".zip"};

bool EndsWithNoCase(const QString &name, const QString &end)
{
    return name.size() > end.size() && name.endsWith(end, Qt::CaseInsensitive);
}

} // namespace

QString EveryKindFilter()
{
    return QCoreApplication::translate("AddingCommands", "Archives")
        + QStringLiteral(" (*.zip *.7z *.rar *.tar *.tgz *.tar.gz *.tbz2 *.tar.bz2 *.txz *.tar.xz *.tzst *.tar.zst "
                         "*.gz *.bz2 *.xz *.zst *.lz4 *.lz *.Z *.iso *.cab *.cpio *.001 *.exe)|"
                         "*.zip;*.7z;*.rar;*.tar;*.tgz;*.tbz2;*.txz;*.tzst;*.gz;*.bz2;*.xz;*.zst;*.lz4;*.lz;*.Z;"
                         "*.iso;*.cab;*.cpio;*.001;*.exe|")
        + AddFilesFilter();
}

QStringList EveryKindPatterns()
{
    QStringList patterns = ScanPatterns(QStringLiteral("*.zip"));
    for (const char *extension : OtherExtensions)
        patterns += ScanPatterns(QStringLiteral("*.") + QLatin1String(extension));
    return patterns;
}

QStringList PatternsForExtensions(const QString &answer)
{
    static const QRegularExpression apart(QStringLiteral("[\\s,;]+"));
    QStringList patterns;
    for (QString extension : answer.split(apart, Qt::SkipEmptyParts)) {
        if (extension.startsWith(QLatin1Char('.')))
            extension.remove(0, 1);
        if (!extension.isEmpty())
            patterns += ScanPatterns(QStringLiteral("*.") + extension);
    }
    return patterns;
}

qsizetype CompoundSuffixLength(const QString &name)
{
    static const QRegularExpression rarPart(QStringLiteral("\\.part0*1\\.rar$"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression shortTar(QStringLiteral("\\.t(gz|bz2?|xz|zst|lz)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    for (const char *suffix : CompoundSuffixes) {
        if (EndsWithNoCase(name, QLatin1String(suffix)))
            return qsizetype(qstrlen(suffix));
    }
    for (const QRegularExpression *form : {&rarPart, &shortTar}) {
        const QRegularExpressionMatch m = form->match(name);
        if (m.hasMatch() && m.capturedStart() > 0)
            return m.capturedLength();
    }
    return 0;
}

bool IsOtherKindName(const QString &name)
{
    static const QRegularExpression volume(QStringLiteral("\\.(7z\\.[0-9]{3,}|r[0-9]{2,})$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (volume.match(name).hasMatch())
        return true;
    for (const char *extension : OtherExtensions) {
        if (EndsWithNoCase(name, QLatin1Char('.') + QLatin1String(extension)))
            return true;
    }
    return false;
}
