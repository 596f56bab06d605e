#include "BatchPasswords.h"

#include "common/VisibleQText.h"

#include <QCoreApplication>
#include <QFile>

namespace {

bool openToRead(QFile &file, const QString &what, QString &error)
{
    if (file.open(QIODevice::ReadOnly))
        return true;
    error = QCoreApplication::translate("BatchCommand", "Cannot read the %1 \"%2\": %3.")
                .arg(what, VisibleText(file.fileName()), file.errorString());
    return false;
}

} // namespace

std::optional<std::string> ReadRunPassword(const BatchOptions &o, const BatchIo &io, QString &error)
{
    std::optional<std::string> line;
    if (o.passwordStdin) {
        line = io.readStdinLine ? io.readStdinLine() : std::nullopt;
        if (!line) {
            error = QCoreApplication::translate("BatchCommand", "No password could be read from standard input.");
            return std::nullopt;
        }
    } else if (!o.passwordFile.isEmpty()) {
        QFile file(o.passwordFile);
        if (!openToRead(file, QCoreApplication::translate("BatchCommand", "password file"), error))
            return std::nullopt;
        line = file.readLine(qint64(kMaxPasswordBytes) + 2).toStdString();
    } else {
        return std::string();
    }
    while (!line->empty() && (line->back() == '\n' || line->back() == '\r'))
        line->pop_back();
    if (line->size() > kMaxPasswordBytes) {
        error = QCoreApplication::translate("BatchCommand",
                                            "The password is longer than 64 KiB: give one line holding the password.");
        return std::nullopt;
    }
    if (line->empty())
        error = QCoreApplication::translate("BatchCommand", "The password is empty.");
    return line->empty() ? std::nullopt : line;
}

// --passwords-file: one password a line, blank lines left out; bounded like
// the password file, for the same reason.
std::optional<std::vector<std::string>> ReadPasswordList(const QString &path, QString &error)
{
    std::vector<std::string> list;
    if (path.isEmpty())
        return list;
    QFile file(path);
    if (!openToRead(file, QCoreApplication::translate("BatchCommand", "passwords file"), error))
        return std::nullopt;
    const QByteArray text = file.read(qint64(kMaxPasswordBytes) + 1);
    if (text.size() > qsizetype(kMaxPasswordBytes)) {
        error = QCoreApplication::translate("BatchCommand", "The passwords file is longer than 64 KiB.");
        return std::nullopt;
    }
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.trimmed().isEmpty())
            list.push_back(line.toStdString());
    }
    if (list.empty()) {
        error = QCoreApplication::translate("BatchCommand", "The passwords file holds no password.");
        return std::nullopt;
    }
    return list;
}
