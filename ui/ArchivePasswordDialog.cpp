// The box that asks for one archive's password during a run.
#include "QtPrompts.h"

#include "ApplicationTitle.h"
#include "common/VisibleQText.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

Prompts::PasswordAnswer QtPrompts::archivePassword(const QString &archiveName, int attempt)
{
    QDialog dialog(m_owner);
    dialog.setWindowTitle(ApplicationTitle());
    const QString asked = QCoreApplication::translate("ArchivePasswordDialog", "\"%1\" needs a password:")
                              .arg(VisibleText(archiveName));
    auto *label
        = new QLabel(attempt > 1 ? QCoreApplication::translate("ArchivePasswordDialog", "That password is wrong.")
                             + QLatin1Char('\n') + asked
                                 : asked,
                     &dialog);
    label->setTextFormat(Qt::PlainText);
    auto *password = new QLineEdit(&dialog);
    password->setEchoMode(QLineEdit::Password);
    password->setMaxLength(64 * 1024);
    password->setAccessibleName(QCoreApplication::translate("ArchivePasswordDialog", "Password"));
    label->setBuddy(password);
    auto *keep
        = new QCheckBox(QCoreApplication::translate("ArchivePasswordDialog", "&Use for the rest of this run"), &dialog);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    buttons->addButton(QCoreApplication::translate("ArchivePasswordDialog", "&Skip this archive"),
                       QDialogButtonBox::RejectRole);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(password);
    layout->addWidget(keep);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    password->setFocus();

    PasswordAnswer answer;
    if (dialog.exec() == QDialog::Accepted && !password->text().isEmpty())
        answer = {false, password->text(), keep->isChecked()};
    return answer;
}
