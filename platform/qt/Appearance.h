#pragma once

namespace platform::qt {

// Starts following the desktop's light or dark setting; every change posts
// event 66436.
void WatchAppearance();
void StopWatchingAppearance();

}  // namespace platform::qt
