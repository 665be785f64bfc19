#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <functional>
#include <memory>
#include <optional>

// Slow work (a key derivation) on a thread of its own, its result handed to done on the thread
// of receiver once it is over. When receiver is gone by then, the result is dropped. A program
// that quits meanwhile waits for the work, so a file being written is finished.
namespace BackgroundTask {

template <typename Result>
void run(QObject* receiver, std::function<Result()> work, std::function<void(Result&)> done)
{
    auto result = std::make_shared<std::optional<Result>>();
    QThread* thread
        = QThread::create([result, work = std::move(work)] { result->emplace(work()); });
    QObject::connect(thread, &QThread::finished, receiver, [result, done = std::move(done)] {
        if (*result)
            done(**result);
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    if (QCoreApplication::instance()) {
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, thread,
            [thread] { thread->wait(); });
    }
    thread->start();
}

} // namespace BackgroundTask
