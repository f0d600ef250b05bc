#pragma once

// Flips the Login flag, then installs or removes the entry that starts the
// application at login; the flag, its preference and the check mark change
// whether or not that works, and no failure is shown.
void ToggleStartAtLogin();
