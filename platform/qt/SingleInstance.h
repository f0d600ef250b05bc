#pragma once

namespace platform::qt {

// One instance per user. Returns false when another instance answered; it has
// been asked to toggle its window.
bool ClaimSingleInstance();
void ReleaseSingleInstance();

}  // namespace platform::qt
