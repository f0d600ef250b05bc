#pragma once

namespace platform::qt {

// The store needs the application's names, so it opens after the application exists.
void OpenPreferences();
void ClosePreferences();

}  // namespace platform::qt
