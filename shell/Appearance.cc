#include "shell/Appearance.h"

#include "platform/Platform.h"
#include "shell/ControlNumbers.h"

void OnAppearanceChanged() {
    if (platform::IsDarkMode() && platform::WindowExists()) {
        platform::SetEditorColours(kEditor, true);
    }
}
