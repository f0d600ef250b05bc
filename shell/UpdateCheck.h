#pragma once

// The menu command: fetches the maker's version file and posts the new-version
// or up-to-date event, or nothing when the transfer fails or the file is not
// ours. Blocks until the transfer ends.
void CheckForUpdate();

// The handlers of the two events.
void ShowNewVersion();
void ShowUpToDate();
