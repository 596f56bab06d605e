#include "RunReport.h"

#include <QDir>
#include <QSaveFile>

namespace {

QString field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString WindowReportPath(const QString &outputFolder, const QDateTime &started)
{
    return QDir(outputFolder)
        .filePath(
            QStringLiteral("Marrowlyn report %1.csv").arg(started.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"))));
}

QString WriteRunReport(const QString &file, const std::vector<ArchiveResult> &results)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    QString text = QStringLiteral("archive,destination,result,reason,files,bytes,seconds\r\n");
    for (const ArchiveResult &r : results) {
        const bool clean = !r.problem;
        text += QStringList{field(r.archive),
                            field(r.destination),
                            clean ? QStringLiteral("extracted") : QStringLiteral("failed"),
                            field(clean ? r.notes.join(QStringLiteral("; ")) : r.problem->reason),
                            QString::number(r.files),
                            QString::number(r.bytes),
                            QString::number(r.seconds, 'f', 3)}
                    .join(QLatin1Char(','))
            + QStringLiteral("\r\n");
    }
    out.write(text.toUtf8());
    if (!out.commit())
        return out.errorString();
    return {};
}
