#include "QtPrompts.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#include <algorithm>

QString DisplayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QString QtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // A description that already shows its patterns is taken as it is.
        filters << (description.endsWith(QLatin1Char(')')) ? description
                                                           : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    if (filters.isEmpty() && !filter.isEmpty())
        filters << filter;
    return filters.join(QStringLiteral(";;"));
}

QString OpenFilesAnswer(const QStringList &paths)
{
    if (paths.isEmpty())
        return QString();
    if (paths.size() == 1)
        return paths.first();
    // A multi-selection comes from one folder.
    QStringList parts{QFileInfo(paths.first()).absolutePath()};
    for (const QString &path : paths)
        parts << QFileInfo(path).fileName();
    return parts.join(QChar(0));
}

namespace {

// A message box wraps its text at about 500 pixels, which folds the lines of
// a run's summary (a path and its reason each) into a wall of text, and a
// window manager cuts a title wider than the box. Widen the text to its
// longest line, within most of the screen, and never below the title.
void fitWidth(QMessageBox &box, const QString &title)
{
    const QFontMetrics metrics(box.font());
    int widest = metrics.horizontalAdvance(title) + 160;
    for (const QString &line : box.text().split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line) + 8);
    const QScreen *screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    const int limit = screen ? screen->availableGeometry().width() * 4 / 5 - 120 : 900;
    box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: %1px; }").arg(std::min(widest, limit)));
}

} // namespace

Prompts::Answer QtPrompts::message(const QString &text, const QString &title, Buttons buttons, Icon icon,
                                   const QString &detail)
{
    QMessageBox box(m_owner);
    box.setWindowTitle(title);
    box.setText(DisplayText(text));
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    if (!detail.isEmpty())
        box.setDetailedText(DisplayText(detail));
    fitWidth(box, title);
    const int result = box.exec();
    if (buttons == Buttons::YesNo)
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

QString QtPrompts::input(const QString &prompt, const QString &title, const QString &preset, bool secret)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(m_owner, title, DisplayText(prompt),
                                                 secret ? QLineEdit::Password : QLineEdit::Normal, preset, &ok);
    return ok ? answer : QString();
}

QString QtPrompts::openFiles(const QString &title, const QString &filter)
{
    return OpenFilesAnswer(QFileDialog::getOpenFileNames(m_owner, title, QString(), QtFilter(filter)));
}

QString QtPrompts::pickFolder(const QString &prompt, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(m_owner, prompt, startFolder);
}

void QtPrompts::openWithShell(const QString &pathOrAddress)
{
    const QUrl url = pathOrAddress.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(pathOrAddress)
                                                                 : QUrl::fromUserInput(pathOrAddress);
    // Where no desktop is running the answer means nothing; there is nothing
    // more to do either way.
    QDesktopServices::openUrl(url);
}
