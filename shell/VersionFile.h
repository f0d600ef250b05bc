#pragma once

#include <string>
#include <string_view>

struct VersionFileResult {
    enum class Outcome { Unusable, UpToDate, NewVersion };
    Outcome outcome = Outcome::Unusable;
    std::u16string version;
    std::u16string releaseNotes;  // each non-empty line after the first, with a line feed
};

// Reads a downloaded version file ("Quillory <version>", then release notes).
// A version equal to ours, or to the one the user was last offered and took,
// is up to date; any other version is new.
// Ours is kVersion.
VersionFileResult ReadVersionFile(std::string_view body, std::u16string_view latestVersion);
