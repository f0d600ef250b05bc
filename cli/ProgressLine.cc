#include "cli/ProgressLine.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "documents/Utf8Figures.h"
#include "platform/common/Terminal.h"

namespace {

using std::chrono::milliseconds;

constexpr milliseconds kQuietStart(500);
constexpr milliseconds kInterval(100);

}  // namespace

ProgressLine StartProgressLine() {
    ProgressLine line;
    line.enabled = platform::posix::StandardErrorIsTerminal();
    return line;
}

void ShowProgress(ProgressLine& line, std::size_t done, std::size_t total) {
    const auto now = std::chrono::steady_clock::now();
    // Redrawn at most every interval, even after output cleared it.
    if (!line.enabled || now - line.start < kQuietStart || now - line.lastShown < kInterval) {
        return;
    }
    const std::string text = CountOf(static_cast<std::int64_t>(done), "document") + " done, " +
                             std::to_string(total - done) + " left";
    std::fprintf(stderr, "\r\033[Kquillory-cli: %s", text.c_str());
    std::fflush(stderr);
    line.lastShown = now;
    line.shown = true;
}

void ClearProgress(ProgressLine& line) {
    if (line.shown) {
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        line.shown = false;
    }
}
