// The prompts as the user sees them: Qt's message box, input box, file
// dialogs and the desktop's "open".
#pragma once

#include "common/Prompts.h"

#include <QPointer>
#include <QWidget>

class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget *owner = nullptr) : m_owner(owner) {}
    // The window is made after the prompts it is handed; dialogs are owned by it.
    void setOwner(QWidget *owner) { m_owner = owner; }

    Answer message(const QString &text, const QString &title, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                   const QString &detail = QString()) override;
    QString input(const QString &prompt, const QString &title, const QString &preset, bool secret = false) override;
    QString openFiles(const QString &title, const QString &filter, const QString &startFolder) override;
    QString pickFolder(const QString &prompt, const QString &startFolder) override;
    bool openWithShell(const QString &pathOrAddress) override;
    PasswordAnswer archivePassword(const QString &archiveName, int attempt) override; // ArchivePasswordDialog.cpp

private:
    QPointer<QWidget> m_owner;
};

// "\r\n" and lone "\r" as line breaks: the texts were written for a box that
// breaks lines at either.
QString DisplayText(const QString &text);
// The text as rich text in which each web address is a link; "" when the
// text holds no address.
QString TextWithLinks(const QString &text);
// "Zip Files (*.zip)|*.zip" (description|pattern pairs) in Qt's filter form.
QString QtFilter(const QString &filter);
// The dialog's chosen paths in the answer's form: one path as it stands;
// several: their folder, then each name, separated by NUL characters.
QString OpenFilesAnswer(const QStringList &paths);
