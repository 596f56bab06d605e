// Where the window keeps its list of passwords: one entry of the system's
// keyring, the passwords joined by newlines. Where no keyring answers (no
// secret service is running), the list lives in memory until the program
// closes. Nothing of it ever goes into the settings file.
#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

inline const QString PasswordListService = QStringLiteral("Marrowlyn");
inline const QString PasswordListKey = QStringLiteral("password list");

class PasswordListStore {
public:
    // The keyring answers asynchronously: each call waits for it in a local
    // event loop, so the window is still served, and gives up after `wait`
    // (long enough for the user to unlock the keyring, and past the bus's own
    // timeout for a service that hangs). A keyring that has not answered by
    // then counts as none for the store's life; with no wait at all, no
    // keyring is asked.
    explicit PasswordListStore(QString service = PasswordListService,
                               std::chrono::milliseconds wait = std::chrono::seconds(30));

    // The keyring's list on the first call, then the one kept here.
    QStringList load();
    // Keeps `list` (blank passwords left out) and writes it to the keyring
    // when there is one; false when the keyring refused it, the list then
    // being kept in memory alone.
    bool save(const QStringList &list);
    // Whether a keyring answered; asked once, on first use.
    bool keyringAvailable();

private:
    enum class Job { Read, Write, Delete };
    struct Answer {
        bool answered = false; // false: no answer within the wait
        bool ok = false;
        bool noKeyring = false; // no keyring on this system, or none that answers
        QString text;
    };
    Answer ask(Job job, const QString &text = QString()) const;

    QString m_service;
    std::chrono::milliseconds m_wait;
    std::optional<bool> m_keyring;
    std::optional<QStringList> m_list;
};
