#pragma once

// The menu command: fetches the maker's version file on a thread of its own and
// posts the new-version or up-to-date event, or nothing when the transfer fails
// or the file is not ours. Does nothing while a check runs.
void CheckForUpdate();
// Until no check runs.
void WaitForUpdateCheck();

// The handlers of the two events.
void ShowNewVersion();
void ShowUpToDate();
