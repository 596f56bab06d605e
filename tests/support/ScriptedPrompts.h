// The fake user for tests: each prompt a handler may open is queued with its
// answer beforehand; every call is checked against the queue and recorded, so
// the test can assert on what the user was shown. An unexpected prompt, or a
// queued one never asked, fails the test.
#pragma once

#include "Prompts.h"

#include <QString>
#include <deque>
#include <optional>
#include <vector>

class ScriptedPrompts : public Prompts {
public:
    enum class Kind { Message, Input, OpenFiles, PickFolder, OpenWithShell, ArchivePassword };

    // What one prompt was given, whatever its kind; fields a kind does not
    // use stay empty.
    struct Call {
        Kind kind;
        QString text;  // message text, input prompt, picker prompt, shell target
        QString title; // box or dialog title
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        QString detail;
        QString preset; // input preset, dialog or picker start folder
        bool secret = false;
        QString filter;
    };

    ScriptedPrompts() = default;
    // Fails the test when queued prompts were never asked.
    ~ScriptedPrompts() override;

    ScriptedPrompts &expectMessage(Answer answer = Answer::Ok);
    ScriptedPrompts &expectInput(const QString &answer);
    ScriptedPrompts &expectOpenFiles(const QString &answer);
    ScriptedPrompts &expectPickFolder(const QString &answer);
    // `opens`: what the shell answers, true when something opened the target.
    ScriptedPrompts &expectOpenWithShell(bool opens = true);
    // The call's text is the archive's name, its preset the try's number.
    ScriptedPrompts &expectArchivePassword(const PasswordAnswer &answer);

    const std::vector<Call> &calls() const { return m_calls; }
    // The most recent call; fails the test when there was none.
    const Call &last() const;
    qsizetype pending() const { return qsizetype(m_queue.size()); }
    // Fails the test for each queued prompt not yet asked, then forgets them.
    void verifyAllUsed();

    Answer message(const QString &text, const QString &title, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                   const QString &detail = QString()) override;
    QString input(const QString &prompt, const QString &title, const QString &preset, bool secret = false) override;
    QString openFiles(const QString &title, const QString &filter, const QString &startFolder) override;
    QString pickFolder(const QString &prompt, const QString &startFolder) override;
    bool openWithShell(const QString &pathOrAddress) override;
    PasswordAnswer archivePassword(const QString &archiveName, int attempt) override;

    static const char *kindName(Kind kind);

private:
    struct Expected {
        Kind kind;
        Answer answer = Answer::Ok;
        QString text;
        PasswordAnswer password = {};
    };

    // Records the call and answers the queued entry when it is of this kind.
    std::optional<Expected> take(Call call);

    std::deque<Expected> m_queue;
    std::vector<Call> m_calls;
};
