#pragma once

// Paths in URIs, each way in one place: a path written as a URI reference (a
// SARIF log's locations) and a file URI read as a local path (what an editor
// names its documents by), as RFC 3986 and RFC 8089 have them.

#include <optional>
#include <string>
#include <string_view>

// Every byte but the unreserved ones and '/' percent-encoded: "docs/a b.md"
// becomes "docs/a%20b.md", and a ':' can never be read as a scheme.
std::string PathAsUriReference(std::string_view path);

// "file:///a%20b", "file://localhost/a%20b" and "file:/a%20b" name "/a b";
// "file:///c:/x" and "file:c:/x" name the drive path "c:/x". A file on another
// host, or a URI of another scheme, names no local path.
std::optional<std::string> LocalPathOfFileUri(std::string_view uri);
