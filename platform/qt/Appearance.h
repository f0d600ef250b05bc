#pragma once

namespace platform::qt {

// Starts following the desktop's light or dark setting: the settings portal's
// colour scheme, or the platform's palette. While the desktop is dark the
// window shows the program's dark palette; every notice posts event 66436.
void WatchAppearance();
void StopWatchingAppearance();

}  // namespace platform::qt
