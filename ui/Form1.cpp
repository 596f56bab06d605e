// The window's making, loading and closing, and what the run reads of it.
// The handlers live beside it: Form1Buttons (the buttons and the options),
// Form1Events (the events it watches, the list's keys), Form1Pointer,
// Form1Adding, Form1Dragging, Form1Access, Form1Layout and Form1Look.
#include "Form1.h"
#include "Form1Settings.h"

#include "ApplicationTitle.h"
#include "ProgressBar.h"
#include "WorkerWait.h"
#include "common/PathHelpers.h"
#include "common/Prompts.h"
#include "engine/ProgramFolder.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

Form1::Form1(Prompts &prompts, Form1Environment environment)
    : ListView1(new QTreeWidget(this)), m_prompts(prompts), m_env(std::move(environment)), m_rows(*ListView1),
      m_run(*this)
{
    if (m_env.programFolder.isEmpty())
        m_env.programFolder = QString::fromStdString(ProgramFolder());
    m_run.runArchive = &RunOnWorkerThread;
    m_run.waitForTurn = &ServeEventsUntilTold;
    m_run.offerToCreateOutputFolder = true;
    m_run.readAhead = true;
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
    for (QPushButton *b : {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton6, PushButton7,
                           PushButton8, MoreOptionsButton})
        b->installEventFilter(this);
}

void Form1::Form_Load()
{
    TrappedProcedure trap(m_prompts, Form1Location(QStringLiteral("Form_Load")));
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
        Text1->setText(WindowSetting(SettingKey::OutputDirectory, fallback));
    });
    trap.step(116,
              [&] { setOption(Option1, SettingToBoolean(WindowSetting(SettingKey::Option1, QStringLiteral("1")))); });
    trap.step(118,
              [&] { setOption(Option2, SettingToBoolean(WindowSetting(SettingKey::Option2, QStringLiteral("0")))); });
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

void Form1::closeIfAsked()
{
    if (m_closeWhenIdle && !Busy())
        close();
}

QString Form1::OutputFolderText() const { return Text1->text(); }
bool Form1::Option1Value() const { return Option1->isChecked(); }
bool Form1::Option2Value() const { return Option2->isChecked(); }
void Form1::SetProgressValue(int percent) { ProgressBar1->setValue(percent); }
void Form1::SetProgressText(const QString &text) { ProgressBar1->SetText(text); }
void Form1::PumpEvents() { QCoreApplication::processEvents(); }

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
