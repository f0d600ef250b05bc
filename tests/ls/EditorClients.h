#pragma once

// What the real editors' tests share: the configuration as the README shows
// it, so that they run the very text a reader pastes, the post they edit, and
// the marks quillory-cli gives for the text they end with.

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

// The indented block after the README line that starts with `heading`, its
// indent taken off; empty where there is none.
std::string ReadmeBlock(std::string_view heading);

// A Markdown post with one long sentence, which each editor then adds to.
extern const std::string kReleaseNotes;

// quillory-cli's long sentences, run with `arguments` in `folder`, each as
// "code line:column", both counted from 0 as the protocol counts them.
nlohmann::json CliMarks(const std::string& folder, const std::string& arguments);
