#pragma once

#include <string>

// Where the version file comes from, and by which protocols (curl's list
// syntax), redirects included.
struct UpdateSource {
    std::string versionFileAddress;
    std::string allowedProtocols;
};

// Fetches the version file and posts the new-version or up-to-date event, or
// nothing when the transfer fails or the file is not ours. Blocks until the
// transfer ends.
void CheckForUpdateFrom(const UpdateSource& source);
// The menu command: the maker's version file, over HTTPS only.
void CheckForUpdate();

// The handlers of the two events.
void ShowNewVersion();
void ShowUpToDate();
