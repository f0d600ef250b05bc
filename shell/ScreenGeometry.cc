#include "shell/ScreenGeometry.h"

#include <algorithm>

#include "shell/MainWindow.h"

namespace {

bool Contains(const platform::Rect& screen, platform::Point point) {
    return screen.x <= point.x && point.x <= screen.x + screen.width && screen.y <= point.y &&
           point.y <= screen.y + screen.height;
}

}  // namespace

std::optional<platform::Rect> ScreenUnderPointer(platform::Point pointer,
                                                 const std::vector<platform::Rect>& screens) {
    const auto found = std::find_if(screens.rbegin(), screens.rend(),
                                    [&](const platform::Rect& s) { return Contains(s, pointer); });
    if (found != screens.rend()) {
        return *found;
    }
    if (screens.empty()) {
        return std::nullopt;
    }
    return screens.front();
}

int WindowLeftForPointer(platform::Point pointer, const std::vector<platform::Rect>& screens) {
    const int centred = pointer.x - kWindowWidth / 2;
    const auto found = std::find_if(screens.begin(), screens.end(),
                                    [&](const platform::Rect& s) { return Contains(s, pointer); });
    // A pointer outside every screen would otherwise put the window off the desktop
    // (a zero-width screen at 0); the main screen holds it instead.
    if (found == screens.end() && screens.empty()) {
        return std::max(centred, 0);
    }
    const platform::Rect& screen = found != screens.end() ? *found : screens.front();
    if (centred < screen.x) {
        return screen.x;
    }
    if (centred + kWindowWidth > screen.x + screen.width) {
        return screen.x + screen.width - kWindowWidth;
    }
    return centred;
}
