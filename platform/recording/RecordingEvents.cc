#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/recording/RecordingState.h"

namespace platform {

namespace {

// The queue is the one part that other threads reach (PostEvent).
std::mutex queueMutex;
std::condition_variable queueChanged;
std::deque<Event> queue;

std::int64_t now = 0;
std::vector<recording::DelayedEvent> delayed;  // main thread only

void Enqueue(const Event& event) {
    {
        const std::lock_guard lock(queueMutex);
        queue.push_back(event);
    }
    queueChanged.notify_one();
}

}  // namespace

Event WaitForEvent() {
    std::unique_lock lock(queueMutex);
    queueChanged.wait(lock, [] { return !queue.empty(); });
    const Event event = queue.front();
    queue.pop_front();
    return event;
}

bool PollEvent(Event& event) {
    const std::lock_guard lock(queueMutex);
    if (queue.empty()) {
        return false;
    }
    event = queue.front();
    queue.pop_front();
    return true;
}

void PostEvent(const Event& event) {
    Enqueue(event);
}

void PostEventAfter(int milliseconds, const Event& event) {
    std::erase_if(delayed, [&](const recording::DelayedEvent& pending) {
        return pending.event.kind == event.kind && pending.event.number == event.number;
    });
    delayed.push_back({milliseconds, now + milliseconds, event});
}

std::int64_t NowMilliseconds() {
    return now;
}

namespace recording {

void SetNow(std::int64_t milliseconds) {
    now = milliseconds;
    std::stable_sort(delayed.begin(), delayed.end(),
                     [](const DelayedEvent& a, const DelayedEvent& b) { return a.due < b.due; });
    while (!delayed.empty() && delayed.front().due <= now) {
        Enqueue(delayed.front().event);
        delayed.erase(delayed.begin());
    }
}

std::vector<DelayedEvent> DelayedEvents() {
    return delayed;
}

void ResetEvents() {
    {
        const std::lock_guard lock(queueMutex);
        queue.clear();
    }
    now = 0;
    delayed.clear();
}

}  // namespace recording

}  // namespace platform
