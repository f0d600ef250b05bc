#pragma once

// What the real editors' tests share: the configuration as the README shows
// it, so that they run the very text a reader pastes, the project they edit,
// and the marks quillory-cli gives for the text they end with.

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

class TemporaryFolder;

// The indented block after the README line that starts with `heading`, its
// indent taken off; empty where there is none.
std::string ReadmeBlock(std::string_view heading);

// A git project in `folder` holding a Markdown post with one long sentence,
// which each editor then adds to, and notes/todo.txt holding `note`. Gives the
// start of the command that runs an editor there: quillory-ls found along PATH,
// as after installing the package, and the files the client script opens and
// writes (out.json in `folder`).
std::string ClientInProject(const TemporaryFolder& folder, const std::string& note);

// quillory-cli's long sentences, run with `arguments` in `folder`, each as
// "code line:column", both counted from 0 as the protocol counts them.
nlohmann::json CliMarks(const std::string& folder, const std::string& arguments);

// The marks an editor received, as CliMarks gives them; each must be told
// against the README's scenario. `column` is the client's name for it.
nlohmann::json ReceivedMarks(const nlohmann::json& diagnostics, const std::string& column);
