#include "PasswordListEditor.h"

#include "ApplicationTitle.h"
#include "PasswordListStore.h"
#include "common/Prompts.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// As many dots for every password: its length is no one's business either.
const QString Dots = QString(8, QChar(0x2022));

QPushButton *button(const QString &text, const QString &name, QLayout *into)
{
    auto *b = new QPushButton(text);
    b->setAccessibleName(name);
    into->addWidget(b);
    return b;
}

} // namespace

PasswordListEditor::PasswordListEditor(Prompts &prompts, PasswordListStore &store, QWidget *parent)
    : QWidget(parent), m_prompts(prompts), m_store(store), m_passwords(store.load())
{
    auto *buttons = new QVBoxLayout;
    AddButton = button(QCoreApplication::translate("PasswordListEditor", "Ad&d..."),
                       QCoreApplication::translate("PasswordListEditor", "Add a password"), buttons);
    RemoveButton = button(QCoreApplication::translate("PasswordListEditor", "&Remove"),
                          QCoreApplication::translate("PasswordListEditor", "Remove the chosen password"), buttons);
    MoveUpButton
        = button(QCoreApplication::translate("PasswordListEditor", "Move &Up"),
                 QCoreApplication::translate("PasswordListEditor", "Try the chosen password earlier"), buttons);
    MoveDownButton
        = button(QCoreApplication::translate("PasswordListEditor", "Move Do&wn"),
                 QCoreApplication::translate("PasswordListEditor", "Try the chosen password later"), buttons);
    buttons->addStretch();

    List = new QListWidget;
    List->setAccessibleName(
        QCoreApplication::translate("PasswordListEditor", "Passwords, in the order they are tried"));
    WhereKept = new QLabel(store.keyringAvailable() ? KeptInKeyringText() : KeptInMemoryText());
    WhereKept->setAccessibleName(QCoreApplication::translate("PasswordListEditor", "Where the list is kept"));
    WhereKept->setWordWrap(true);

    auto *row = new QHBoxLayout;
    row->addWidget(List, 1);
    row->addLayout(buttons);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(row);
    column->addWidget(WhereKept);

    connect(AddButton, &QPushButton::clicked, this, [this] { Add_Click(); });
    connect(RemoveButton, &QPushButton::clicked, this, [this] { Remove_Click(); });
    connect(MoveUpButton, &QPushButton::clicked, this, [this] { MoveUp_Click(); });
    connect(MoveDownButton, &QPushButton::clicked, this, [this] { MoveDown_Click(); });
    connect(List, &QListWidget::currentRowChanged, this, [this] { enableButtons(); });
    refresh(-1);
}

// A wrapped line counts as one in the layout's minimum, so a short dialog
// squeezed the buttons beside the list until their descenders were cut (the
// "g" of "Hinzufügen" at twice the density). The line asks for the height its
// width needs instead.
void PasswordListEditor::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int needed = WhereKept->heightForWidth(width());
    if (needed > 0 && needed != WhereKept->minimumHeight())
        WhereKept->setMinimumHeight(needed);
}

bool PasswordListEditor::save() { return m_store.save(m_passwords); }

void PasswordListEditor::Add_Click()
{
    const QString password = m_prompts.input(AddPasswordPrompt(), ApplicationTitle(), QString(), true);
    if (password.trimmed().isEmpty())
        return;
    m_passwords << password;
    refresh(int(m_passwords.size()) - 1);
}

void PasswordListEditor::Remove_Click()
{
    const int row = List->currentRow();
    if (row < 0)
        return;
    m_passwords.removeAt(row);
    refresh(std::min(row, int(m_passwords.size()) - 1));
}

void PasswordListEditor::MoveUp_Click() { move(-1); }
void PasswordListEditor::MoveDown_Click() { move(1); }

void PasswordListEditor::move(int by)
{
    const int row = List->currentRow();
    if (row < 0 || row + by < 0 || row + by >= int(m_passwords.size()))
        return;
    m_passwords.move(row, row + by);
    refresh(row + by);
}

void PasswordListEditor::refresh(int selected)
{
    List->clear();
    // Numbered, as the summary names the password that opened an archive.
    for (qsizetype i = 0; i < m_passwords.size(); ++i)
        List->addItem(QStringLiteral("%1.  %2").arg(i + 1).arg(Dots));
    List->setCurrentRow(selected);
    enableButtons();
}

void PasswordListEditor::enableButtons()
{
    const int row = List->currentRow();
    RemoveButton->setEnabled(row >= 0);
    MoveUpButton->setEnabled(row > 0);
    MoveDownButton->setEnabled(row >= 0 && row + 1 < int(m_passwords.size()));
}
