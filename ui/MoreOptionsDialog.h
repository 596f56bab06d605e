// "More Options...": the choices that go beyond the window's own, each
// stored the moment it changes. The dialog is modeless in spirit but shown
// modally: nothing in it can change while a run is under way.
#pragma once

#include "run/RunOptions.h"

#include <QDialog>

#include <functional>

class PasswordListEditor;
class PasswordListStore;
class Prompts;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class MoreOptionsDialog : public QDialog {
public:
    using Store = std::function<void(const RunOptions &)>;
    // With a password store, the list of passwords tried in turn is shown
    // too, and handed back to the store when the dialog closes.
    MoreOptionsDialog(Prompts &prompts, RunOptions options, Store store, QWidget *parent = nullptr,
                      PasswordListStore *passwords = nullptr);

    const RunOptions &Options() const { return m_options; }

    // Controls, for the tests.
    QComboBox *SubfolderName = nullptr;
    QComboBox *OnConflict = nullptr;
    QComboBox *After = nullptr;
    QLineEdit *AfterFolder = nullptr;
    QPushButton *AfterBrowse = nullptr;
    QCheckBox *Report = nullptr;
    QCheckBox *AskPasswords = nullptr;
    QCheckBox *Nested = nullptr;
    QCheckBox *RemoveNested = nullptr;
    QComboBox *Kinds = nullptr;
    PasswordListEditor *Passwords = nullptr;

private:
    void buildControls(PasswordListStore *passwords);
    void showOptions();
    void changed();
    void browseAfterFolder();

    Prompts &m_prompts;
    RunOptions m_options;
    Store m_store;
    bool m_showing = false;
};
