#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace {

std::string describe(const ScriptedPrompts::Call &call)
{
    return std::string(ScriptedPrompts::kindName(call.kind)) + " \"" + call.text.toStdString() + "\" titled \""
        + call.title.toStdString() + "\"";
}

} // namespace

ScriptedPrompts::~ScriptedPrompts() { verifyAllUsed(); }

const char *ScriptedPrompts::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Message: return "message";
    case Kind::Input: return "input";
    case Kind::OpenFiles: return "openFiles";
    case Kind::PickFolder: return "pickFolder";
    case Kind::OpenWithShell: return "openWithShell";
    case Kind::ArchivePassword: return "archivePassword";
    }
    return "?";
}

ScriptedPrompts &ScriptedPrompts::expectMessage(Answer answer)
{
    m_queue.push_back({Kind::Message, answer, {}});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::expectArchivePassword(const PasswordAnswer &answer)
{
    m_queue.push_back({Kind::ArchivePassword, Answer::Ok, {}, answer});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::expectInput(const QString &answer)
{
    m_queue.push_back({Kind::Input, Answer::Ok, answer});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::expectOpenFiles(const QString &answer)
{
    m_queue.push_back({Kind::OpenFiles, Answer::Ok, answer});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::expectPickFolder(const QString &answer)
{
    m_queue.push_back({Kind::PickFolder, Answer::Ok, answer});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::expectOpenWithShell(bool opens)
{
    m_queue.push_back({Kind::OpenWithShell, opens ? Answer::Yes : Answer::No, {}});
    return *this;
}

const ScriptedPrompts::Call &ScriptedPrompts::last() const
{
    static const Call none{Kind::Message, {}, {}, {}, {}, {}, {}, false, {}};
    if (m_calls.empty()) {
        ADD_FAILURE() << "no prompt was shown";
        return none;
    }
    return m_calls.back();
}

void ScriptedPrompts::verifyAllUsed()
{
    for (const Expected &expected : m_queue)
        ADD_FAILURE() << "expected a " << kindName(expected.kind) << " prompt that was never shown";
    m_queue.clear();
}

std::optional<ScriptedPrompts::Expected> ScriptedPrompts::take(Call call)
{
    m_calls.push_back(std::move(call));
    const Call &recorded = m_calls.back();
    if (m_queue.empty()) {
        ADD_FAILURE() << "unexpected prompt: " << describe(recorded);
        return std::nullopt;
    }
    if (m_queue.front().kind != recorded.kind) {
        ADD_FAILURE() << "expected a " << kindName(m_queue.front().kind) << " prompt, got " << describe(recorded);
        return std::nullopt;
    }
    Expected expected = m_queue.front();
    m_queue.pop_front();
    return expected;
}

Prompts::Answer ScriptedPrompts::message(const QString &text, const QString &title, Buttons buttons, Icon icon,
                                         const QString &detail)
{
    const std::optional<Expected> expected = take({Kind::Message, text, title, buttons, icon, detail, {}, false, {}});
    if (!expected)
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    return expected->answer;
}

QString ScriptedPrompts::input(const QString &prompt, const QString &title, const QString &preset, bool secret)
{
    const std::optional<Expected> expected
        = take({Kind::Input, prompt, title, Buttons::Ok, Icon::None, {}, preset, secret, {}});
    return expected ? expected->text : QString();
}

QString ScriptedPrompts::openFiles(const QString &title, const QString &filter, const QString &startFolder)
{
    const std::optional<Expected> expected
        = take({Kind::OpenFiles, {}, title, Buttons::Ok, Icon::None, {}, startFolder, false, filter});
    return expected ? expected->text : QString();
}

QString ScriptedPrompts::pickFolder(const QString &prompt, const QString &startFolder)
{
    const std::optional<Expected> expected
        = take({Kind::PickFolder, prompt, {}, Buttons::Ok, Icon::None, {}, startFolder, false, {}});
    return expected ? expected->text : QString();
}

bool ScriptedPrompts::openWithShell(const QString &pathOrAddress)
{
    const std::optional<Expected> expected
        = take({Kind::OpenWithShell, pathOrAddress, {}, Buttons::Ok, Icon::None, {}, {}, false, {}});
    return expected && expected->answer == Answer::Yes;
}

Prompts::PasswordAnswer ScriptedPrompts::archivePassword(const QString &archiveName, int attempt)
{
    const std::optional<Expected> expected = take(
        {Kind::ArchivePassword, archiveName, {}, Buttons::Ok, Icon::None, {}, QString::number(attempt), true, {}});
    return expected ? expected->password : PasswordAnswer{};
}
