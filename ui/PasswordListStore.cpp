#include "PasswordListStore.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>
#include <QTimer>

namespace {

QStringList withoutBlanks(const QStringList &list)
{
    QStringList kept;
    for (const QString &password : list) {
        if (!password.trimmed().isEmpty())
            kept << password;
    }
    return kept;
}

} // namespace

PasswordListStore::PasswordListStore(QString service, std::chrono::milliseconds wait)
    : m_service(std::move(service)), m_wait(wait)
{}

PasswordListStore::Answer PasswordListStore::ask(Job kind, const QString &text) const
{
    QKeychain::Job *job = nullptr;
    if (kind == Job::Read) {
        job = new QKeychain::ReadPasswordJob(m_service);
    } else if (kind == Job::Write) {
        auto *write = new QKeychain::WritePasswordJob(m_service);
        write->setTextData(text);
        job = write;
    } else {
        job = new QKeychain::DeletePasswordJob(m_service);
    }
    job->setKey(PasswordListKey);
    job->setAutoDelete(false);
    // Answered through the loop: a job that outlives it answers no one.
    Answer answer;
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&answer, &loop](QKeychain::Job *done) {
        const QKeychain::Error error = done->error();
        answer.answered = true;
        // "Nothing stored" and "nothing to delete" are answers of a working keyring.
        answer.ok = error == QKeychain::NoError || error == QKeychain::EntryNotFound;
        answer.noKeyring = error == QKeychain::NoBackendAvailable || error == QKeychain::NotImplemented
            || error == QKeychain::OtherError;
        if (auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(done))
            answer.text = read->textData();
        loop.quit();
    });
    QTimer::singleShot(m_wait, &loop, &QEventLoop::quit);
    job->start();
    if (!answer.answered)
        loop.exec();
    // A job that outlives its wait deletes itself whenever it ends.
    if (answer.answered)
        delete job;
    else
        job->setAutoDelete(true);
    return answer;
}

bool PasswordListStore::keyringAvailable()
{
    if (!m_keyring)
        load();
    return *m_keyring;
}

QStringList PasswordListStore::load()
{
    if (m_list)
        return *m_list;
    const Answer answer = m_wait.count() > 0 ? ask(Job::Read) : Answer{};
    m_keyring = answer.answered && !answer.noKeyring;
    m_list = answer.ok ? withoutBlanks(answer.text.split(QLatin1Char('\n'))) : QStringList();
    return *m_list;
}

bool PasswordListStore::save(const QStringList &list)
{
    if (!m_keyring)
        load();
    m_list = withoutBlanks(list);
    if (!*m_keyring)
        return true;
    return ask(m_list->isEmpty() ? Job::Delete : Job::Write, m_list->join(QLatin1Char('\n'))).ok;
}
