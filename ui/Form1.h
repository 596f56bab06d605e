// The program's one window: the job list, the command buttons, the options
// panel and the progress bar, at the fixed places the users know. Every
// command is a handler here; the bodies that are not about the window itself
// live in run/ and joblist/.
#pragma once

#include "BatchRun.h"
#include "BatchSurface.h"
#include "ListViewJobList.h"
#include "PasswordListStore.h"

#include <QCoreApplication>
#include <QCursor>
#include <QPersistentModelIndex>
#include <QWidget>

#include <functional>
#include <optional>

class MoreOptionsDialog;
class Prompts;
class ProgressBar;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;
struct AddingContext;

// What the window takes from its surroundings, so tests control it.
struct Form1Environment {
    QString programFolder;          // default: the executable's folder
    std::function<double()> random; // the home-page draw; default: time-seeded
};

inline QString ListTooltip()
{
    return QCoreApplication::translate(
        "Form1",
        "Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to "
        "reveal full names.");
}
inline const QString ContactAddress = QStringLiteral("https://marrowlyn.app/contact/");
inline QString HelpText()
{
    return QCoreApplication::translate("Form1", "Questions? Please contact Team Quorvane at %1").arg(ContactAddress);
}
inline QString PasswordPrompt()
{
    return QCoreApplication::translate("Form1", "Please specify the 1 password to use for all unzips:");
}
inline QString BrowsePrompt() { return QCoreApplication::translate("Form1", "Please select folder:"); }
inline QString StopQuestion()
{
    return QCoreApplication::translate(
        "Form1",
        "Stop after the current archive?\n\nYes lets it finish; Stop Now stops it too, leaving nothing half-written.");
}

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
    QPushButton *PushButton1 = nullptr;       // "Add Zip File(s)"
    QPushButton *PushButton2 = nullptr;       // "Start Unzipping"
    QPushButton *PushButton3 = nullptr;       // "..."
    QPushButton *PushButton4 = nullptr;       // "Add All Zip Files In Folder"
    QPushButton *PushButton5 = nullptr;       // "Clear List"
    QPushButton *PushButton6 = nullptr;       // "Load Sample/Example Files"
    QPushButton *PushButton7 = nullptr;       // "Set Password (Optional)"
    QPushButton *PushButton8 = nullptr;       // "Help"
    QPushButton *MoreOptionsButton = nullptr; // "More Options..."
    QGroupBox *Frame1 = nullptr;              // "Unzip To This Folder"
    QGroupBox *Frame2 = nullptr;              // "Unzip Option"
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
    void MoreOptions_Click();
    // Escape, or "Start Unzipping" again, during a run.
    void AskToStop();
    // Shows the "More Options..." dialog; tests replace it to act on the dialog instead.
    std::function<void(MoreOptionsDialog &)> showMoreOptions;
    void Option1_Click();
    void Option2_Click();
    void Text1_Change();
    void ListView1_KeyDown(int keyCode, int shift);
    void ListView1_DblClick();
    // Ctrl+Up / Ctrl+Down on the list: the selected row moves by one, as a drag would move it.
    bool ListView1_MoveKey(int key);
    void Form_MouseMove();
    void Frame1_MouseMove();
    void Frame2_MouseMove();
    // The hover of any push button; the hand pointer belongs to the look.
    void PushButton_MouseMove();
    // Local files and folders dropped on the list, in the order dropped.
    void ListView1_OLEDragDrop(const QStringList &paths);
    // Paths named on the command line: added as a drop would add them, except
    // those not there at all, which one message names after the rest are added.
    void AddNamedPaths(const QStringList &paths);
    // Row dragging. Buttons and shift states are bit sets (left 1, right 2,
    // middle 4; shift 1, ctrl 2, alt 4); x and y are the list's own
    // coordinates, those its hit test takes.
    void ListView1_ItemClick(QTreeWidgetItem *item);
    void ListView1_MouseDown(int button, int shift, int x, int y);
    void ListView1_MouseMove(int button, int shift, int x, int y);
    void ListView1_MouseUp(int button, int shift, int x, int y);

    // Window state.
    // A run or a folder scan is under way: rows may not be removed or moved.
    bool Busy() const { return m_run.Running() || m_scans > 0; }
    bool PasswordSetValue() const { return m_passwordSet; }
    const std::optional<QCursor> &MouseIcon() const { return m_mouseIcon; }
    ListViewJobList &JobRows() { return m_rows; }
    BatchRun &Run() { return m_run; }
    // The row that carries the dragged text (1-based), 0 for none.
    qsizetype DragItemIndex() const;
    bool DragMouseDown() const { return m_dragMouseDown; }
    // The list's own pointer value: 99 with the drag picture, 1 arrow, 0 default.
    int ListPointer() const { return m_listPointer; }

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
    void describeControls();
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    void setOption(QRadioButton *button, bool value);
    void storeOptions(const QString &procedure);
    void showCursorFor(int value);
    AddingContext addingContext();
    void setScanning(bool scanning);
    // Closes the window once nothing is under way any more, if it was asked to.
    void closeIfAsked();
    // Mouse and drop events of the list's row area; true when handled here.
    bool listViewportEvent(QEvent *event);
    bool listDropEvent(QEvent *event);
    void scrollNearEdge(qsizetype hoverIndex, int y);
    void setListPointer(int value);

    // The look: the skin, the window icon and the pointer picture. Filled in
    // by the look-and-feel work; until then the window keeps its design look.
    void ApplySkin();
    QIcon ProgramIcon() const;
    QCursor LoadPointerPicture(const QString &path) const;
    // "drag.ico", or nothing when it is missing or unreadable.
    std::optional<QCursor> DragPicture() const;

    Prompts &m_prompts;
    Form1Environment m_env;
    ListViewJobList m_rows;
    BatchRun m_run;
    PasswordListStore m_passwords;
    bool m_passwordSet = false;
    int m_mousePointer = Pointer::Default;
    std::optional<QCursor> m_mouseIcon;
    int m_scans = 0;
    // The window was closed while busy: what is under way stops, then it closes.
    bool m_closeWhenIdle = false;
    QString m_lastFolder;
    // Drag state. Persistent indexes, so that a row removed meanwhile leaves
    // none instead of a dangling row.
    QPersistentModelIndex m_dragItem;
    QPersistentModelIndex m_dragHoverItem;
    bool m_dragMouseDown = false;
    int m_listPointer = Pointer::Default;
};
