#include "Form1.h"

#include "MoreOptionsDialog.h"

#include "ApplicationTitle.h"
#include "EngineLink.h"
#include "ProgressBar.h"
#include "WorkerWait.h"
#include "common/PathHelpers.h"
#include "common/Prompts.h"
#include "common/Settings.h"
#include "common/TrappedProcedure.h"
#include "engine/ProgramFolder.h"
#include "joblist/AddFolder.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {
QString location(const QString &procedure) { return TrappedProcedure::location(QStringLiteral("Form1"), procedure); }

void store(const QString &key, const QString &value)
{
    SaveSetting(SettingsApplication, SettingsSection, key, value);
}

QString setting(const QString &key, const QString &defaultValue = QString())
{
    return GetSetting(SettingsApplication, SettingsSection, key, defaultValue);
}

// 7000 twips at 15 twips a pixel.
constexpr int ColumnWidthAtLoad = 467;

int keyCodeOf(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Delete: return KeyCodeDelete;
    case Qt::Key_Backspace: return 8;
    default: return 0;
    }
}

int shiftStateOf(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers m = event.modifiers();
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}
}

Form1::Form1(Prompts &prompts, Form1Environment environment)
    : ListView1(new QTreeWidget(this)),
      m_prompts(prompts),
      m_env(std::move(environment)),
      m_rows(*ListView1),
      m_run(*this)
{
    if (m_env.programFolder.isEmpty())
        m_env.programFolder = QString::fromStdString(ProgramFolder());
    m_run.runArchive = &RunOnWorkerThread;
    m_run.offerToCreateOutputFolder = true;
    m_run.passwordList = [this] { return m_passwords.load(); };
    setObjectName(QStringLiteral("Form1"));
    createControls();
    describeControls();
    connectHandlers();
}

Form1::~Form1() = default;

void Form1::connectHandlers()
{
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(PushButton3, &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(PushButton4, &QPushButton::clicked, this, [this] { PushButton4_Click(); });
    connect(PushButton5, &QPushButton::clicked, this, [this] { PushButton5_Click(); });
    connect(PushButton6, &QPushButton::clicked, this, [this] { PushButton6_Click(); });
    connect(PushButton7, &QPushButton::clicked, this, [this] { PushButton7_Click(); });
    connect(PushButton8, &QPushButton::clicked, this, [this] { PushButton8_Click(); });
    connect(MoreOptionsButton, &QPushButton::clicked, this, [this] { MoreOptions_Click(); });
    // A click selects; selecting in code raises the handler from setOption.
    connect(Option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { Option2_Click(); });
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });

    installEventFilter(this);
    Frame1->installEventFilter(this);
    Frame2->installEventFilter(this);
    ListView1->installEventFilter(this);
    ListView1->viewport()->installEventFilter(this);
    ListView1->header()->viewport()->installEventFilter(this);
    connect(ListView1, &QTreeWidget::itemPressed, this, [this](QTreeWidgetItem *item) { ListView1_ItemClick(item); });
    // The list does not scroll by itself (a row drag scrolls by its own
    // rule), but a row the keys make current is brought into view, so that
    // Delete never takes a row the user cannot see.
    connect(ListView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        if (current && !m_dragMouseDown)
            ListView1->scrollToItem(current);
    });
    for (QPushButton *b : {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton6,
                           PushButton7, PushButton8, MoreOptionsButton})
        b->installEventFilter(this);
}

void Form1::Form_Load()
{
    TrappedProcedure trap(m_prompts, location(QStringLiteral("Form_Load")));
    trap.step(100, [&] { ApplySkin(); });
    trap.step(102, [&] {
        setWindowTitle(ProductName);
        setWindowIcon(ProgramIcon());
    });
    trap.step(104, [&] { SetApplicationTitle(TitleFromProductName(ProductName)); });
    const QString pointerPicture = m_env.programFolder + QStringLiteral("/HAND-M.CUR");
    if (trap.test(106, [&] { return IsFilePresent(pointerPicture); }))
        trap.step(108, [&] { m_mouseIcon = LoadPointerPicture(pointerPicture); });
    trap.step(110, [&] { OpenHomePageAtRandom(m_prompts, m_env.random); });
    trap.step(112, [&] {
        ListView1->setHeaderLabels({QCoreApplication::translate("Form1", "Zip File(s)")});
        ListView1->setHeaderHidden(false);
        ListView1->setColumnWidth(0, ColumnWidthAtLoad);
    });
    trap.step(114, [&] {
        // The default is worked out first: without a desktop folder the
        // whole step fails, even when a folder is stored.
        const QString fallback = GetDesktopFolder();
        Text1->setText(setting(SettingKey::OutputDirectory, fallback));
    });
    trap.step(116, [&] { setOption(Option1, SettingToBoolean(setting(SettingKey::Option1, QStringLiteral("1")))); });
    trap.step(118, [&] { setOption(Option2, SettingToBoolean(setting(SettingKey::Option2, QStringLiteral("0")))); });
    trap.step(120, [&] { m_passwordSet = false; });
}

// Selecting a button in code raises its click handler; unselecting raises
// nothing and may leave neither button selected, which the group itself
// would not allow.
void Form1::setOption(QRadioButton *button, bool value)
{
    if (value) {
        button->setChecked(true);
        if (button == Option1)
            Option1_Click();
        else
            Option2_Click();
        return;
    }
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

void Form1::storeOptions(const QString &procedure)
{
    // The store failing is reported rather than left to end the program.
    TrappedProcedure trap(m_prompts, location(procedure));
    trap.step(100, [&] { store(SettingKey::Option1, BooleanToSetting(Option1->isChecked())); });
    trap.step(102, [&] { store(SettingKey::Option2, BooleanToSetting(Option2->isChecked())); });
}

void Form1::Option1_Click() { storeOptions(QStringLiteral("Option1_Click")); }
void Form1::Option2_Click() { storeOptions(QStringLiteral("Option2_Click")); }

void Form1::Text1_Change()
{
    TrappedProcedure trap(m_prompts, location(QStringLiteral("Text1_Change")));
    trap.step(100, [&] { store(SettingKey::OutputDirectory, Text1->text()); });
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
    const Prompts::Answer answer =
        m_prompts.message(StopQuestion(), ApplicationTitle(), Prompts::Buttons::YesNoStopNow, Prompts::Icon::Information);
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

void Form1::closeIfAsked()
{
    if (m_closeWhenIdle && !Busy())
        close();
}

void Form1::PushButton3_Click()
{
    TrappedProcedure trap(m_prompts, location(QStringLiteral("PushButton3_Click")));
    QString startFolder;
    QString chosen;
    // The folder in the box when there is one, else the one browsed to last.
    trap.step(100, [&] {
        startFolder = IsFolderPresent(Text1->text()) ? Text1->text() : setting(SettingKey::LastFolderDot);
    });
    trap.step(102, [&] { chosen = BrowseForFolder(m_prompts, BrowsePrompt(), startFolder); });
    if (chosen.isEmpty())
        return;
    trap.step(104, [&] { store(SettingKey::LastFolderDot, chosen); });
    trap.step(106, [&] { Text1->setText(chosen.endsWith(NativeSeparator) ? chosen : chosen + NativeSeparator); });
}

void Form1::PushButton5_Click()
{
    TrappedProcedure trap(m_prompts, location(QStringLiteral("PushButton5_Click")));
    if (trap.test(100, [&] { return !Busy(); })) {
        trap.step(102, [&] { m_rows.Clear(); });
        // A column dragged wide for long paths has nothing left to show.
        trap.step(104, [&] { ListView1->setColumnWidth(0, ColumnWidthAtLoad); });
    }
}

void Form1::MoreOptions_Click()
{
    TrappedProcedure trap(m_prompts, location(QStringLiteral("MoreOptions_Click")));
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
    TrappedProcedure trap(m_prompts, location(QStringLiteral("PushButton7_Click")));
    QString stored;
    QString answer;
    trap.step(100, [&] { stored = setting(SettingKey::Password); });
    trap.step(102, [&] {
        answer = m_prompts.input(PasswordPrompt(), ApplicationTitle(), stored, true);
        SetEnginePassword(answer.toStdString());
    });
    if (!answer.isEmpty()) {
        trap.step(104, [&] { m_passwordSet = true; });
        trap.step(106, [&] { store(SettingKey::Password, answer); });
    } else {
        trap.step(108, [&] { m_passwordSet = false; });
    }
}

void Form1::PushButton8_Click()
{
    TrappedProcedure trap(m_prompts, location(QStringLiteral("PushButton8_Click")));
    trap.step(100, [&] { m_prompts.message(HelpText(), ApplicationTitle()); });
}

void Form1::ListView1_KeyDown(int keyCode, int /*shift: Shift+Delete removes too*/)
{
    if (keyCode != KeyCodeDelete)
        return;
    ListView1_DblClick();
}

// Removal refuses while a run or a scan is under way: the run reads the rows
// by their place, and its bound was taken at its start.
void Form1::ListView1_DblClick()
{
    if (Busy())
        return;
    if (!(m_rows.Count() > 0))
        return;
    const qsizetype selected = m_rows.SelectedIndex();
    if (selected > 0)
        m_rows.Remove(selected);
}

void Form1::Form_MouseMove()
{
    if (m_mousePointer != Pointer::Hourglass)
        SetMousePointer(Pointer::Default);
}
void Form1::Frame1_MouseMove() { Form_MouseMove(); }
void Form1::Frame2_MouseMove() { Form_MouseMove(); }

QString Form1::OutputFolderText() const { return Text1->text(); }
bool Form1::Option1Value() const { return Option1->isChecked(); }
bool Form1::Option2Value() const { return Option2->isChecked(); }
void Form1::SetProgressValue(int percent) { ProgressBar1->setValue(percent); }
void Form1::SetProgressText(const QString &text) { ProgressBar1->SetText(text); }
void Form1::PumpEvents() { QCoreApplication::processEvents(); }

void Form1::SetMousePointer(int value)
{
    // A run that ends during a scan leaves the hourglass to the scan.
    if (m_scans > 0)
        value = Pointer::Hourglass;
    m_mousePointer = value;
    showCursorFor(value);
}

void Form1::showCursorFor(int value)
{
    switch (value) {
    case Pointer::Arrow: setCursor(Qt::ArrowCursor); break;
    case Pointer::Hourglass: setCursor(Qt::WaitCursor); break;
    case Pointer::Custom:
        // Without a picture the ordinary pointer shows.
        if (m_mouseIcon)
            setCursor(*m_mouseIcon);
        else
            unsetCursor();
        break;
    default: unsetCursor(); break;
    }
}

// Closing during a run asks the engine to stop; the run then winds up, the
// entry in progress is cleaned up, and the window closes for good. A folder
// scan stops at its next look at the window's events.
void Form1::closeEvent(QCloseEvent *event)
{
    if (Busy()) {
        m_closeWhenIdle = true;
        if (m_run.Running())
            m_run.RequestCancel();
        event->ignore();
        return;
    }
    event->accept();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListView1->viewport() && event->type() != QEvent::MouseButtonDblClick && listViewportEvent(event))
        return true;
    switch (event->type()) {
    case QEvent::MouseMove:
        if (watched == this)
            Form_MouseMove();
        else if (watched == Frame1)
            Frame1_MouseMove();
        else if (watched == Frame2)
            Frame2_MouseMove();
        else if (watched == ListView1->header()->viewport())
            Form_MouseMove();  // the list's header counts as the list
        else if (qobject_cast<QPushButton *>(watched)) {
            PushButton_MouseMove();
            // A button passes a move without a press on to what lies behind
            // it, whose own handler would take the hand away at once.
            if (!(static_cast<const QMouseEvent &>(*event).buttons() & Qt::LeftButton))
                return true;
        }
        break;
    case QEvent::KeyPress:
        if (watched == ListView1) {
            const auto &key = static_cast<const QKeyEvent &>(*event);
            if ((key.modifiers() & Qt::ControlModifier) && (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down))
                return ListView1_MoveKey(key.key());
            const int code = keyCodeOf(key);
            ListView1_KeyDown(code, shiftStateOf(key));
            if (code == KeyCodeDelete)
                return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (watched == ListView1->viewport()) {
            ListView1_DblClick();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
