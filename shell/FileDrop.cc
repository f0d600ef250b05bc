#include "shell/FileDrop.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "documents/InputBytes.h"
#include "documents/SourceDocument.h"
#include "documents/SourceKind.h"
#include "engine/InputValidation.h"
#include "engine/Utf8.h"
#include "platform/Platform.h"
#include "shell/Alerts.h"
#include "shell/ControlNumbers.h"
#include "shell/Draft.h"
#include "shell/ShellState.h"

namespace {

std::u16string Quoted(const std::filesystem::path& path) {
    std::u16string quoted = u"“";
    quoted += DecodeUtf8(path.filename().string()).text;
    quoted += u'”';
    return quoted;
}

std::u16string Digits(std::size_t number) {
    const std::string digits = std::to_string(number);
    return {digits.begin(), digits.end()};
}

// The length the window holds to, of the text as it will be read.
std::size_t ReadLength(std::u16string_view text, bool markdown) {
    return markdown ? ProseOf(text, SourceKind::Markdown).prose.size() : text.size();
}

// The text to put in the editor, or "" once the user has been told why not.
std::u16string TakeDroppedFile(const std::filesystem::path& path, bool markdown) {
    const std::u16string name = Quoted(path);
    if (std::find(kDroppableSuffixes.begin(), kDroppableSuffixes.end(),
                  path.extension().string()) == kDroppableSuffixes.end()) {
        ShowError(name + u" is not a .txt, .md or .markdown file.");
        return {};
    }
    const platform::FileBytes file = platform::ReadFileBytes(path.string(), kMaxDropBytes);
    switch (file.status) {
        case platform::FileReadStatus::Read:
            break;
        case platform::FileReadStatus::TooLarge:
            ShowError(name + u" is larger than " + DecodeUtf8(Mebibytes(kMaxDropBytes)).text +
                      u".");
            return {};
        case platform::FileReadStatus::Folder:
            ShowError(name + u" is a folder, not a .txt, .md or .markdown file.");
            return {};
        case platform::FileReadStatus::Unreadable:
            ShowError(name + u" could not be read.");
            return {};
    }
    DecodedInput decoded = DecodeInputBytes(file.bytes);
    if (!decoded.error.empty()) {
        ShowError(name + u" is not UTF-8 text (" + DecodeUtf8(decoded.error).text + u").");
        return {};
    }
    // Emptying the editor would clear it for good, its undo history too.
    if (decoded.text.empty()) {
        ShowError(name + u" holds no text.");
        return {};
    }
    if (ReadLength(decoded.text, markdown) > kMaxInputLength) {
        ShowError(name + u" exceeds the maximum allowed length of " + Digits(kMaxInputLength) +
                  u" characters.");
        return {};
    }
    return std::move(decoded.text);
}

}  // namespace

void OnFileDropped() {
    if (!platform::WindowExists()) {
        return;
    }
    const std::vector<std::string> paths = platform::DroppedFilePaths();
    if (paths.size() != 1) {
        ShowError(
            u"The window opens one file at a time: drop a single .txt, .md or .markdown file.");
        return;
    }
    const std::filesystem::path path = paths.front();
    const bool markdown = SourceKindOf(path) == SourceKind::Markdown;
    const std::u16string text = TakeDroppedFile(path, markdown);
    if (text.empty()) {
        return;
    }
    const bool wasMarkdown = shell.readAsMarkdown;
    SetReadAsMarkdown(markdown);
    platform::ReplaceEditorText(kEditor, text,
                                wasMarkdown ? kReadAsMarkdownCommand : kReadAsPlainTextCommand,
                                markdown ? kReadAsMarkdownCommand : kReadAsPlainTextCommand);
    platform::FocusControl(kEditor);
}
