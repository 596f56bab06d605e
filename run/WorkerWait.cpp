#include "WorkerWait.h"

#include <QEventLoop>
#include <QObject>
#include <QThread>

#include <memory>

void RunOnWorkerThread(const std::function<void()> &work)
{
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create(work));
    // Queued across threads: a worker that ends before exec() is entered
    // still stops the loop as soon as it starts serving events.
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    if (!worker->isFinished())
        loop.exec();
    worker->wait();
}
