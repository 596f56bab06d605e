#include "Destination.h"

UnzipMode ModeFromOptions(bool option1, bool option2)
{
    if (option1)
        return UnzipMode::OwnSubfolder;
    if (option2)
        return UnzipMode::OneFolder;
    return UnzipMode::None;
}

QString BaseNameOf(const QString &archivePath, QChar separator)
{
    const QString fileName = FileNameFromPath(archivePath, separator);
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QString DestinationFor(const QString &archivePath, const QString &outputText, UnzipMode mode, QChar separator)
{
    switch (mode) {
    case UnzipMode::OneFolder: return outputText;
    case UnzipMode::None: return QString();
    case UnzipMode::OwnSubfolder: break;
    }
    return SubfolderOf(outputText, BaseNameOf(archivePath, separator), separator);
}

QString SubfolderOf(const QString &outputText, const QString &name, QChar separator)
{
    const qsizetype rootLength = separator == QLatin1Char('\\') ? 3 : 0;
    QString destination = outputText;
    if (outputText.size() > rootLength && !outputText.endsWith(separator))
        destination += separator;
    destination += name;
    return CollapseBackslashes(destination, separator);
}
