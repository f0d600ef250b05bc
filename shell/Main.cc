#include "platform/Platform.h"
#include "shell/EventDispatch.h"
#include "shell/StartUp.h"

int main(int argc, char** argv) {
    if (!platform::InitialisePlatform(argc, argv)) {
        return 0;  // the running instance toggles its window instead
    }
    const bool started = StartUp();
    if (started) {
        RunEventLoop();
    }
    platform::ShutdownPlatform();
    return started ? 0 : 1;
}
