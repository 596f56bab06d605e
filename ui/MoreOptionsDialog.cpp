#include "MoreOptionsDialog.h"

#include "PasswordListEditor.h"
#include "common/Prompts.h"
#include "joblist/AddFolder.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox *choices(QWidget *parent, const QStringList &texts, const QString &name)
{
    auto *box = new QComboBox(parent);
    box->addItems(texts);
    box->setAccessibleName(name);
    return box;
}

} // namespace

MoreOptionsDialog::MoreOptionsDialog(Prompts &prompts, RunOptions options, Store store, QWidget *parent,
                                     PasswordListStore *passwords)
    : QDialog(parent), m_prompts(prompts), m_options(std::move(options)), m_store(std::move(store))
{
    setWindowTitle(QCoreApplication::translate("MoreOptionsDialog", "More Options"));
    buildControls(passwords);
    showOptions();
    if (Passwords)
        connect(this, &QDialog::finished, this, [this] { Passwords->save(); });
}

void MoreOptionsDialog::buildControls(PasswordListStore *passwords)
{
    SubfolderName
        = choices(this,
                  {QCoreApplication::translate("MoreOptionsDialog", "Up to the first dot"),
                   QCoreApplication::translate("MoreOptionsDialog", "The whole name without .zip"),
                   QCoreApplication::translate("MoreOptionsDialog", "Smart: none when the archive has one top folder")},
                  QCoreApplication::translate("MoreOptionsDialog", "Subfolder name"));
    OnConflict = choices(this,
                         {QCoreApplication::translate("MoreOptionsDialog", "Replace it"),
                          QCoreApplication::translate("MoreOptionsDialog", "Skip it"),
                          QCoreApplication::translate("MoreOptionsDialog", "Keep both (the new one gets \" (2)\")"),
                          QCoreApplication::translate("MoreOptionsDialog", "Replace it only with a newer one")},
                         QCoreApplication::translate("MoreOptionsDialog", "When a file exists"));
    After = choices(this,
                    {QCoreApplication::translate("MoreOptionsDialog", "Leave it"),
                     QCoreApplication::translate("MoreOptionsDialog", "Move it to the trash"),
                     QCoreApplication::translate("MoreOptionsDialog", "Move it to this folder:")},
                    QCoreApplication::translate("MoreOptionsDialog", "After an archive is extracted cleanly"));
    AfterFolder = new QLineEdit(this);
    AfterFolder->setAccessibleName(QCoreApplication::translate("MoreOptionsDialog", "Folder for extracted archives"));
    AfterBrowse = new QPushButton(QStringLiteral("..."), this);
    AfterBrowse->setAccessibleName(
        QCoreApplication::translate("MoreOptionsDialog", "Choose the folder for extracted archives"));
    Report = new QCheckBox(
        QCoreApplication::translate("MoreOptionsDialog", "Write a report of each run (CSV) into the output folder"),
        this);
    AskPasswords = new QCheckBox(QCoreApplication::translate("MoreOptionsDialog", "Ask me"), this);
    Nested = new QCheckBox(QCoreApplication::translate("MoreOptionsDialog",
                                                       "Also extract the ZIP archives found inside the archives, once"),
                           this);
    RemoveNested = new QCheckBox(QCoreApplication::translate("MoreOptionsDialog", "and then re&move them"), this);

    Kinds = choices(this,
                    {QCoreApplication::translate("MoreOptionsDialog", "ZIP only"),
                     QCoreApplication::translate("MoreOptionsDialog", "Every kind Marrowlyn reads")},
                    QCoreApplication::translate("MoreOptionsDialog", "Archive kinds"));
    Kinds->setToolTip(QCoreApplication::translate(
        "MoreOptionsDialog",
        "Every kind: ZIP, 7z, RAR, tar (also compressed), .gz .bz2 .xz .zst .lz4 .lz .Z files, "
        "ISO 9660, cab, cpio and self-extractors, told by their content."));

    auto *afterRow = new QHBoxLayout;
    afterRow->addWidget(AfterFolder, 1);
    afterRow->addWidget(AfterBrowse);
    auto *form = new QFormLayout;
    form->addRow(QCoreApplication::translate("MoreOptionsDialog", "&Subfolder name (one subfolder per archive):"),
                 SubfolderName);
    form->addRow(QCoreApplication::translate("MoreOptionsDialog", "When a file &exists:"), OnConflict);
    form->addRow(QCoreApplication::translate("MoreOptionsDialog", "&After an archive is extracted cleanly:"), After);
    form->addRow(QString(), afterRow);
    if (passwords) {
        Passwords = new PasswordListEditor(m_prompts, *passwords, this);
        form->addRow(QCoreApplication::translate("MoreOptionsDialog", "Passwords tried in &turn:"), Passwords);
    }
    form->addRow(QCoreApplication::translate("MoreOptionsDialog", "When the run e&nds:"), Report);
    form->addRow(QCoreApplication::translate("MoreOptionsDialog", "When an archive needs a &password:"), AskPasswords);
    form->addRow(QCoreApplication::translate("MoreOptionsDialog", "Archives &inside archives:"), Nested);
    form->addRow(QString(), RemoveNested);
    form->addRow(QCoreApplication::translate("MoreOptionsDialog", "Archive &kinds:"), Kinds);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(
        QCoreApplication::translate("MoreOptionsDialog",
                                    "Each choice is kept as soon as it is made; the passwords when this closes."),
        this));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    for (QComboBox *box : {SubfolderName, OnConflict, After, Kinds})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { changed(); });
    for (QCheckBox *box : {Report, AskPasswords, Nested, RemoveNested})
        connect(box, &QCheckBox::toggled, this, [this] { changed(); });
    connect(AfterFolder, &QLineEdit::editingFinished, this, [this] { changed(); });
    connect(AfterBrowse, &QPushButton::clicked, this, [this] { browseAfterFolder(); });
}

void MoreOptionsDialog::showOptions()
{
    m_showing = true;
    SubfolderName->setCurrentIndex(int(m_options.subfolderName));
    OnConflict->setCurrentIndex(int(m_options.onConflict));
    After->setCurrentIndex(int(m_options.after));
    AfterFolder->setText(m_options.afterFolder);
    Report->setChecked(m_options.report);
    AskPasswords->setChecked(m_options.askPasswords);
    Nested->setChecked(m_options.nested);
    RemoveNested->setChecked(m_options.removeNested);
    Kinds->setCurrentIndex(int(m_options.kinds));
    const bool moving = m_options.after == RunOptions::After::Move;
    AfterFolder->setEnabled(moving);
    AfterBrowse->setEnabled(moving);
    RemoveNested->setEnabled(m_options.nested);
    m_showing = false;
}

void MoreOptionsDialog::changed()
{
    if (m_showing)
        return;
    // Moving needs a folder: choosing it asks for one, and a cancelled picker
    // leaves the choice as it was.
    if (After->currentIndex() == int(RunOptions::After::Move) && AfterFolder->text().trimmed().isEmpty()) {
        browseAfterFolder();
        if (AfterFolder->text().trimmed().isEmpty())
            showOptions();
        return;
    }
    RunOptions next = m_options;
    next.subfolderName = RunOptions::SubfolderName(SubfolderName->currentIndex());
    next.onConflict = RunOptions::OnConflict(OnConflict->currentIndex());
    next.after = RunOptions::After(After->currentIndex());
    next.afterFolder = AfterFolder->text().trimmed();
    next.report = Report->isChecked();
    next.askPasswords = AskPasswords->isChecked();
    next.nested = Nested->isChecked();
    next.removeNested = next.nested && RemoveNested->isChecked();
    next.kinds = RunOptions::Kinds(Kinds->currentIndex());
    if (!(next == m_options) && m_store)
        m_store(next);
    m_options = next;
    showOptions();
}

void MoreOptionsDialog::browseAfterFolder()
{
    const QString chosen = BrowseForFolder(
        m_prompts, QCoreApplication::translate("MoreOptionsDialog", "Move extracted archives to this folder:"),
        AfterFolder->text());
    if (chosen.isEmpty())
        return;
    AfterFolder->setText(chosen);
    changed();
}
