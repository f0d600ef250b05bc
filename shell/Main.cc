#include <cstdio>
#include <cstring>

#include "platform/Platform.h"
#include "product/Product.h"
#include "shell/EventDispatch.h"
#include "shell/StartUp.h"

namespace {

constexpr const char* kUsage =
    "Usage: quillory [--help] [--version]\n"
    "\n"
    "Quillory lives in the system tray: click its icon to open the window, paste\n"
    "or type English text, and watch nine readability measures as you type.\n"
    "Starting it again while it runs opens or closes its window.\n"
    "For scripts and pipelines use quillory-cli.\n";

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("quillory %s\n", kVersionUtf8.data());
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    switch (platform::InitialisePlatform(argc, argv)) {
        case platform::SessionStart::AnotherInstance:
            return 0;  // the running instance toggles its window instead
        case platform::SessionStart::NoDisplay:
            return 1;
        case platform::SessionStart::Started:
            break;
    }
    const bool started = StartUp();
    if (started) {
        RunEventLoop();
    }
    platform::ShutdownPlatform();
    return started ? 0 : 1;
}
