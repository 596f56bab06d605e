#include "QtPrompts.h"

#include "ShowFolder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTextDocument>
#include <QtMath>
#include <QUrl>

#include <algorithm>
#include <functional>

QString DisplayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

namespace {

constexpr int MaximumLinkedLineWidth = 900;

void setLinkedText(QMessageBox &box, const QString &linked, const std::function<void(const QString &)> &open)
{
    box.setTextFormat(Qt::RichText);
    box.setText(linked);
    box.setTextInteractionFlags(Qt::TextBrowserInteraction);
    for (QLabel *label : box.findChildren<QLabel *>()) {
        if (label->text() != linked)
            continue;
        label->setOpenExternalLinks(false);
        // The box would wrap the line in the middle of the address, which
        // then no longer reads as one; it is made wide enough instead.
        QTextDocument lines;
        lines.setDefaultFont(label->font());
        lines.setHtml(linked);
        label->setMinimumWidth(qMin(qCeil(lines.idealWidth()), MaximumLinkedLineWidth));
        QObject::connect(label, &QLabel::linkActivated, &box, open);
    }
}

} // namespace

QString TextWithLinks(const QString &text)
{
    // A full stop or closing bracket after an address ends the sentence, not the address.
    static const QRegularExpression address(QStringLiteral(R"(https?://[^\s<>"]*[^\s<>".,;:!?)])"));
    QString html;
    qsizetype done = 0;
    for (QRegularExpressionMatchIterator it = address.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString link = match.captured().toHtmlEscaped();
        html += text.mid(done, match.capturedStart() - done).toHtmlEscaped();
        html += QStringLiteral("<a href=\"%1\">%1</a>").arg(link);
        done = match.capturedEnd();
    }
    if (done == 0)
        return QString();
    html += text.mid(done).toHtmlEscaped();
    return html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString QtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // A description that already shows its patterns is taken as it is.
        filters << (description.endsWith(QLatin1Char(')'))
                        ? description
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
void fitWidth(QMessageBox &box, const QString &title, const QString &text)
{
    const QFontMetrics metrics(box.font());
    int widest = metrics.horizontalAdvance(title) + 160;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line) + 8);
    const QScreen *screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    const int limit = screen ? screen->availableGeometry().width() * 4 / 5 - 120 : 900;
    box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: %1px; }").arg(std::min(widest, limit)));
}

// Qt's "Show Details..." has no mnemonic, and Qt names it anew at each
// click, after anything connected here has run: ours follows from the event
// loop.
// Qt's own label, translated by Qt's own catalogue (not looked up by ours).
QString QtShowDetails()
{
    static const char *const context = "QMessageBox", *const label = "Show Details...";
    return QCoreApplication::translate(context, label);
}

void giveDetailsAMnemonic(QMessageBox &box)
{
    const QString qtShow = QtShowDetails();
    for (QPushButton *button : box.findChildren<QPushButton *>()) {
        if (button->text() != qtShow)
            continue;
        const auto name = [button] {
            const bool shown = button->text() != QtShowDetails();
            button->setText(shown ? QCoreApplication::translate("QtPrompts", "Hide &Details...")
                                  : QCoreApplication::translate("QtPrompts", "Show &Details..."));
        };
        name();
        QObject::connect(button, &QAbstractButton::clicked, &box, name, Qt::QueuedConnection);
    }
}

} // namespace

Prompts::Answer QtPrompts::message(const QString &text, const QString &title, Buttons buttons, Icon icon,
                                   const QString &detail)
{
    QMessageBox box(m_owner);
    box.setWindowTitle(title);
    const QString shown = DisplayText(text);
    const QString linked = TextWithLinks(shown);
    if (linked.isEmpty()) {
        box.setTextFormat(Qt::PlainText);
        box.setText(shown);
    } else {
        // An address is a link that opens, through the same door as any other "open".
        setLinkedText(box, linked, [this](const QString &link) { openWithShell(link); });
    }
    switch (icon) {
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    if (buttons == Buttons::YesNo || buttons == Buttons::YesNoStopNow) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    QPushButton *openFolder = buttons == Buttons::OkOpenFolder
        ? box.addButton(QCoreApplication::translate("QtPrompts", "&Open Output Folder"), QMessageBox::ActionRole)
        : nullptr;
    if (openFolder) {
        box.setDefaultButton(QMessageBox::Ok);
        // With a second button the box no longer guesses which one Escape means.
        box.setEscapeButton(QMessageBox::Ok);
    }
    QPushButton *stopNow = buttons == Buttons::YesNoStopNow
        ? box.addButton(QCoreApplication::translate("QtPrompts", "&Stop Now"), QMessageBox::DestructiveRole)
        : nullptr;
    if (!detail.isEmpty()) {
        box.setDetailedText(DisplayText(detail));
        giveDetailsAMnemonic(box);
    }
    if (linked.isEmpty())
        fitWidth(box, title, shown); // a linked text has been widened to its own lines
    const int result = box.exec();
    if (openFolder && box.clickedButton() == openFolder)
        return Answer::OpenFolder;
    if (stopNow && box.clickedButton() == stopNow)
        return Answer::StopNow;
    if (buttons == Buttons::YesNo || buttons == Buttons::YesNoStopNow)
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

QString QtPrompts::input(const QString &prompt, const QString &title, const QString &preset, bool secret)
{
    QInputDialog dialog(m_owner);
    dialog.setWindowTitle(title);
    dialog.setLabelText(DisplayText(prompt));
    dialog.setTextEchoMode(secret ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setTextValue(preset);
    // A line edit cuts its text at 32,767 characters unless told otherwise;
    // a password may be as long as the engine takes, 64 KiB.
    if (auto *edit = dialog.findChild<QLineEdit *>())
        edit->setMaxLength(64 * 1024);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtPrompts::openFiles(const QString &title, const QString &filter, const QString &startFolder)
{
    return OpenFilesAnswer(QFileDialog::getOpenFileNames(m_owner, title, startFolder, QtFilter(filter)));
}

QString QtPrompts::pickFolder(const QString &prompt, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(m_owner, prompt, startFolder);
}

bool QtPrompts::openWithShell(const QString &pathOrAddress)
{
    // A folder's launcher is run and its exit status read here; for an
    // address, Qt's false is to be trusted (no launcher was found) and true
    // only means one was started.
    if (pathOrAddress.startsWith(QLatin1Char('/')))
        return ShowFolderOnDesktop(pathOrAddress);
    return QDesktopServices::openUrl(QUrl::fromUserInput(pathOrAddress));
}
