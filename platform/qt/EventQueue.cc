#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <utility>

#include "platform/Platform.h"

namespace platform {
namespace {

std::mutex queueMutex;
std::deque<Event> queue;

// One pending timer per (kind, number), so a later call replaces the earlier one.
std::map<std::pair<EventKind, int>, QPointer<QTimer>> delayedEvents;

bool PopEvent(Event& event) {
    const std::lock_guard lock(queueMutex);
    if (queue.empty()) {
        return false;
    }
    event = queue.front();
    queue.pop_front();
    return true;
}

}  // namespace

Event WaitForEvent() {
    Event event;
    while (!PopEvent(event)) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return event;
}

bool PollEvent(Event& event) {
    QCoreApplication::processEvents();
    return PopEvent(event);
}

void PostEvent(const Event& event) {
    {
        const std::lock_guard lock(queueMutex);
        queue.push_back(event);
    }
    // Waking the dispatcher is thread-safe and hands no object across threads.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        if (QAbstractEventDispatcher* dispatcher =
                QAbstractEventDispatcher::instance(app->thread())) {
            dispatcher->wakeUp();
        }
    }
}

void PostEventAfter(int milliseconds, const Event& event) {
    QPointer<QTimer>& timer = delayedEvents[{event.kind, event.number}];
    if (timer == nullptr) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        // A coarse timer may fire up to 5% early.
        timer->setTimerType(Qt::PreciseTimer);
    }
    timer->disconnect();
    QObject::connect(timer, &QTimer::timeout, [event] { PostEvent(event); });
    timer->start(milliseconds);
}

std::int64_t NowMilliseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

}  // namespace platform
