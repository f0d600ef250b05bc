#include <pthread.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <new>

#include "platform/Platform.h"

namespace platform {

namespace {

void* RunBody(void* argument) {
    const std::unique_ptr<std::function<void()>> body(
        static_cast<std::function<void()>*>(argument));
    (*body)();
    return nullptr;
}

}  // namespace

bool StartDetachedThread(std::function<void()> body, std::size_t stackBytes) {
    std::unique_ptr<std::function<void()>> owned;
    try {
        owned = std::make_unique<std::function<void()>>(std::move(body));
    } catch (const std::bad_alloc&) {
        return false;
    }
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) {
        return false;
    }
    const std::size_t stack = std::max(stackBytes, static_cast<std::size_t>(PTHREAD_STACK_MIN));
    pthread_t thread;
    const bool started = pthread_attr_setstacksize(&attributes, stack) == 0 &&
                         pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED) == 0 &&
                         pthread_create(&thread, &attributes, RunBody, owned.get()) == 0;
    pthread_attr_destroy(&attributes);
    if (started) {
        static_cast<void>(owned.release());  // the thread owns the body now
    }
    return started;
}

}  // namespace platform
