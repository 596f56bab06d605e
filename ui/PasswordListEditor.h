// The list of passwords as "More Options..." shows it: each password as dots,
// in the order they are tried, with Add, Remove, Move Up and Move Down, and a
// line saying where the list is kept.
#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QWidget>

class Prompts;
class PasswordListStore;
class QLabel;
class QListWidget;
class QPushButton;

inline QString AddPasswordPrompt()
{
    return QCoreApplication::translate("PasswordListEditor", "Please type a password to add to the list:");
}
inline QString KeptInKeyringText()
{
    return QCoreApplication::translate("PasswordListEditor", "The list is kept in the system's keyring.");
}
inline QString KeptInMemoryText()
{
    return QCoreApplication::translate("PasswordListEditor",
                                       "No keyring is available: the list is kept until Marrowlyn closes.");
}

class PasswordListEditor : public QWidget {
protected:
    void resizeEvent(QResizeEvent *event) override;

public:
    // Shows the store's list; changes reach the store with save().
    PasswordListEditor(Prompts &prompts, PasswordListStore &store, QWidget *parent = nullptr);

    // The list as edited, in order.
    QStringList passwords() const { return m_passwords; }
    // Hands the list as edited to the store; false when the keyring refused it.
    bool save();

    void Add_Click();
    void Remove_Click();
    void MoveUp_Click();
    void MoveDown_Click();

    QListWidget *List = nullptr;
    QPushButton *AddButton = nullptr;
    QPushButton *RemoveButton = nullptr;
    QPushButton *MoveUpButton = nullptr;
    QPushButton *MoveDownButton = nullptr;
    QLabel *WhereKept = nullptr;

private:
    // Shows m_passwords with row `selected` (0-based) chosen, -1 for none.
    void refresh(int selected);
    void move(int by);
    void enableButtons();

    Prompts &m_prompts;
    PasswordListStore &m_store;
    QStringList m_passwords;
};
