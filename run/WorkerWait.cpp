#include "WorkerWait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QThread>

#include <exception>
#include <memory>
#include <thread>

void RunOnWorkerThread(const std::function<void()> &work)
{
    // Without an application there are no events to serve: a plain thread
    // joined at once does the same.
    if (!QCoreApplication::instance()) {
        std::exception_ptr failure;
        std::thread([&work, &failure] {
            try {
                work();
            } catch (...) {
                failure = std::current_exception();
            }
        }).join();
        if (failure)
            std::rethrow_exception(failure);
        return;
    }

    QEventLoop loop;
    // A failure on the worker is handed back to the caller, who reports it,
    // instead of ending the program on the worker thread.
    std::exception_ptr failure;
    std::unique_ptr<QThread> worker(QThread::create([&work, &failure] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    // Queued across threads: a worker that ends before exec() is entered
    // still stops the loop as soon as it starts serving events.
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    if (!worker->isFinished())
        loop.exec();
    worker->wait();
    if (failure)
        std::rethrow_exception(failure);
}

void ServeEventsUntilTold(const std::function<bool(std::function<void()> tell)> &arm)
{
    QObject *const application = QCoreApplication::instance();
    if (!application)
        return;
    QEventLoop loop;
    // Told through the application, on this thread: the loop may be gone by
    // then (stopped early, the application quitting), and only this thread
    // clears what points at it.
    auto waiting = std::make_shared<QEventLoop *>(&loop);
    const bool armed = arm([application, waiting] {
        QMetaObject::invokeMethod(
            application,
            [waiting] {
                if (*waiting)
                    (*waiting)->quit();
            },
            Qt::QueuedConnection);
    });
    if (armed)
        loop.exec();
    *waiting = nullptr;
}
