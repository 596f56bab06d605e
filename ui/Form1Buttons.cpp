// The handlers of the buttons, of the two options and of the output folder
// box; Escape asks to stop a run as "Start Unzipping" does during one.
#include "Form1.h"
#include "Form1Settings.h"

#include "MoreOptionsDialog.h"

#include "ApplicationTitle.h"
#include "EngineLink.h"
#include "common/PathHelpers.h"
#include "common/Prompts.h"
#include "joblist/AddFolder.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

void Form1::storeOptions(const QString &procedure)
{
    // The store failing is reported rather than left to end the program.
    TrappedProcedure trap(m_prompts, Form1Location(procedure));
    trap.step(100, [&] { StoreWindowSetting(SettingKey::Option1, BooleanToSetting(Option1->isChecked())); });
    trap.step(102, [&] { StoreWindowSetting(SettingKey::Option2, BooleanToSetting(Option2->isChecked())); });
}

void Form1::Option1_Click() { storeOptions(QStringLiteral("Option1_Click")); }
void Form1::Option2_Click() { storeOptions(QStringLiteral("Option2_Click")); }

void Form1::Text1_Change()
{
    TrappedProcedure trap(m_prompts, Form1Location(QStringLiteral("Text1_Change")));
    trap.step(100, [&] { StoreWindowSetting(SettingKey::OutputDirectory, Text1->text()); });
}

void Form1::PushButton2_Click()
{
    if (m_run.Running()) {
        AskToStop();
        return;
    }
    m_run.Start();
    closeIfAsked();
}

void Form1::AskToStop()
{
    if (!m_run.Running() || m_run.StopRequested())
        return;
    const Prompts::Answer answer = m_prompts.message(StopQuestion(), ApplicationTitle(), Prompts::Buttons::YesNoStopNow,
                                                     Prompts::Icon::Information);
    if (answer == Prompts::Answer::Yes || answer == Prompts::Answer::StopNow)
        m_run.RequestStop(answer == Prompts::Answer::StopNow);
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_run.Running()) {
        AskToStop();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::PushButton3_Click()
{
    TrappedProcedure trap(m_prompts, Form1Location(QStringLiteral("PushButton3_Click")));
    QString startFolder;
    QString chosen;
    // The folder in the box when there is one, else the one browsed to last.
    trap.step(100, [&] {
        startFolder = IsFolderPresent(Text1->text()) ? Text1->text() : WindowSetting(SettingKey::LastFolderDot);
    });
    trap.step(102, [&] { chosen = BrowseForFolder(m_prompts, BrowsePrompt(), startFolder); });
    if (chosen.isEmpty())
        return;
    trap.step(104, [&] { StoreWindowSetting(SettingKey::LastFolderDot, chosen); });
    trap.step(106, [&] { Text1->setText(chosen.endsWith(NativeSeparator) ? chosen : chosen + NativeSeparator); });
}

void Form1::PushButton5_Click()
{
    TrappedProcedure trap(m_prompts, Form1Location(QStringLiteral("PushButton5_Click")));
    if (trap.test(100, [&] { return !Busy(); })) {
        trap.step(102, [&] { m_rows.Clear(); });
        // A column dragged wide for long paths has nothing left to show.
        trap.step(104, [&] { ListView1->setColumnWidth(0, ColumnWidthAtLoad); });
    }
}

void Form1::MoreOptions_Click()
{
    TrappedProcedure trap(m_prompts, Form1Location(QStringLiteral("MoreOptions_Click")));
    trap.step(100, [&] {
        MoreOptionsDialog dialog(m_prompts, LoadRunOptions(), &SaveRunOptions, this, &m_passwords);
        if (showMoreOptions)
            showMoreOptions(dialog);
        else
            dialog.exec();
    });
}

void Form1::PushButton7_Click()
{
    TrappedProcedure trap(m_prompts, Form1Location(QStringLiteral("PushButton7_Click")));
    QString stored;
    QString answer;
    trap.step(100, [&] { stored = WindowSetting(SettingKey::Password); });
    trap.step(102, [&] {
        answer = m_prompts.input(PasswordPrompt(), ApplicationTitle(), stored, true);
        SetEnginePassword(answer.toStdString());
    });
    if (!answer.isEmpty()) {
        trap.step(104, [&] { m_passwordSet = true; });
        trap.step(106, [&] { StoreWindowSetting(SettingKey::Password, answer); });
    } else {
        trap.step(108, [&] { m_passwordSet = false; });
    }
}

void Form1::PushButton8_Click()
{
    TrappedProcedure trap(m_prompts, Form1Location(QStringLiteral("PushButton8_Click")));
    trap.step(100, [&] { m_prompts.message(HelpText(), ApplicationTitle()); });
}
