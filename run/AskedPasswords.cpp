#include "AskedPasswords.h"

#include "common/PathHelpers.h"
#include "common/Prompts.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <chrono>
#include <future>
#include <memory>

namespace {

// Asks on the window's thread. From a worker the question is queued there;
// the worker waits, looking now and then whether the run is ending, since a
// window that is closing serves no more events.
Prompts::PasswordAnswer AskOnWindowThread(Prompts &prompts, QObject &windowSide, const std::function<bool()> &stopped,
                                          const QString &name, int attempt)
{
    if (QThread::currentThread() == windowSide.thread())
        return prompts.archivePassword(name, attempt);
    auto answer = std::make_shared<std::promise<Prompts::PasswordAnswer>>();
    std::future<Prompts::PasswordAnswer> answered = answer->get_future();
    QMetaObject::invokeMethod(
        &windowSide, [answer, &prompts, name, attempt] { answer->set_value(prompts.archivePassword(name, attempt)); },
        Qt::QueuedConnection);
    while (answered.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
        if (stopped && stopped())
            return {};
    }
    return answered.get();
}

} // namespace

void AskThroughPrompts(UnzipHooks &hooks, Prompts &prompts, QObject &windowSide, std::function<bool()> stopped)
{
    // The last answer the user wants kept; shared by the copies of the hooks
    // each archive gets.
    auto toKeep = std::make_shared<std::optional<std::string>>();
    hooks.askPassword = [&prompts, &windowSide, stopped, toKeep](const std::string &archive, int attempt) {
        const QString name = FileNameFromPath(FileNameFromBytes(archive), QLatin1Char('/'));
        const Prompts::PasswordAnswer answer = AskOnWindowThread(prompts, windowSide, stopped, name, attempt);
        if (answer.skip)
            return std::optional<std::string>();
        const std::string password = answer.password.toStdString();
        *toKeep = answer.useForRest ? std::optional(password) : std::nullopt;
        return std::optional(password);
    };
    UnzipHooks *run = &hooks;
    hooks.passwordAnswered = [run, toKeep](const std::string &password) {
        if (*toKeep == password)
            run->keptAnswers.push_back(password);
    };
}
