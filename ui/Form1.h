// The program's one window: the job list, the command buttons, the options
// panel and the progress bar, at the fixed places the users know. Every
// command is a handler here; the bodies that are not about the window itself
// live in run/ and joblist/.
#pragma once

#include "BatchRun.h"
#include "BatchSurface.h"
#include "ListViewJobList.h"

#include <QCursor>
#include <QWidget>

#include <functional>
#include <optional>

class Prompts;
class ProgressBar;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

// What the window takes from its surroundings, so tests control it.
struct Form1Environment {
    QString programFolder;               // default: the executable's folder
    std::function<double()> random;      // the home-page draw; default: time-seeded
};

inline const QString ListTooltip = QStringLiteral(
    "Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to "
    "reveal full names.");
inline const QString ContactAddress = QStringLiteral("https://marrowlyn.app/contact/");
inline const QString HelpText = QStringLiteral("Questions? Please contact Team Quorvane at ") + ContactAddress;
inline const QString PasswordPrompt = QStringLiteral("Please specify the 1 password to use for all unzips:");
inline const QString BrowsePrompt = QStringLiteral("Please select folder:");

// The key code the list's key handler compares with (the Delete key).
inline constexpr int KeyCodeDelete = 46;

class Form1 : public QWidget, public BatchSurface {
public:
    explicit Form1(Prompts &prompts, Form1Environment environment = {});
    ~Form1() override;

    // Runs once before the window is first shown.
    void Form_Load();

    // Controls, named as the users' documentation names them.
    QTreeWidget *ListView1 = nullptr;
    QPushButton *PushButton1 = nullptr;   // "Add Zip File(s)"
    QPushButton *PushButton2 = nullptr;   // "Start Unzipping"
    QPushButton *PushButton3 = nullptr;   // "..."
    QPushButton *PushButton4 = nullptr;   // "Add All Zip Files In Folder"
    QPushButton *PushButton5 = nullptr;   // "Clear List"
    QPushButton *PushButton6 = nullptr;   // "Load Sample/Example Files"
    QPushButton *PushButton7 = nullptr;   // "Set Password (Optional)"
    QPushButton *PushButton8 = nullptr;   // "Help"
    QGroupBox *Frame1 = nullptr;          // "Unzip To This Folder"
    QGroupBox *Frame2 = nullptr;          // "Unzip Option"
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QLineEdit *Text1 = nullptr;
    ProgressBar *ProgressBar1 = nullptr;

    // Handlers.
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton5_Click();
    void PushButton6_Click();
    void PushButton7_Click();
    void PushButton8_Click();
    void Option1_Click();
    void Option2_Click();
    void Text1_Change();
    void ListView1_KeyDown(int keyCode, int shift);
    void ListView1_DblClick();
    void Form_MouseMove();
    void Frame1_MouseMove();
    void Frame2_MouseMove();
    // The hover of any push button; the hand pointer belongs to the look.
    void PushButton_MouseMove();

    // Window state.
    bool PasswordSetValue() const { return m_passwordSet; }
    const std::optional<QCursor> &MouseIcon() const { return m_mouseIcon; }
    ListViewJobList &JobRows() { return m_rows; }
    BatchRun &Run() { return m_run; }
    Prompts &UserPromptsRef() { return m_prompts; }
    const QString &ProgramFolderPath() const { return m_env.programFolder; }

    // BatchSurface: what the run reads and writes.
    JobList &Rows() override { return m_rows; }
    QString OutputFolderText() const override;
    bool Option1Value() const override;
    bool Option2Value() const override;
    bool PasswordSet() const override { return m_passwordSet; }
    void SetProgressValue(int percent) override;
    void SetProgressText(const QString &text) override;
    int MousePointer() const override { return m_mousePointer; }
    void SetMousePointer(int value) override;
    Prompts &UserPrompts() override { return m_prompts; }
    void PumpEvents() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    void setOption(QRadioButton *button, bool value);
    void storeOptions(const QString &procedure);
    void showCursorFor(int value);

    // The look: the skin, the window icon and the pointer picture. Filled in
    // by the look-and-feel work; until then the window keeps its design look.
    void ApplySkin();
    QIcon ProgramIcon() const;
    QCursor LoadPointerPicture(const QString &path) const;

    Prompts &m_prompts;
    Form1Environment m_env;
    ListViewJobList m_rows;
    BatchRun m_run;
    bool m_passwordSet = false;
    int m_mousePointer = Pointer::Default;
    std::optional<QCursor> m_mouseIcon;
    bool m_closeAfterRun = false;
};
