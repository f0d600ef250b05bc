#include "shell/FileDrop.h"

#include <algorithm>
#include <filesystem>
#include <string>

#include "documents/InputBytes.h"
#include "documents/SourceKind.h"
#include "engine/Utf8.h"
#include "platform/Platform.h"
#include "results/ControlNumbers.h"
#include "shell/Alerts.h"
#include "shell/InputGate.h"
#include "shell/MarkdownDraft.h"
#include "shell/ShellState.h"

namespace {

std::u16string Quoted(const std::filesystem::path& path) {
    std::u16string quoted = u"“";
    quoted += DecodeUtf8(path.filename().string()).text;
    quoted += u'”';
    return quoted;
}

void AlertTooLong() {
    shell.lengthAlertDue = true;
    AlertInputTooLong();
}

}  // namespace

void OnFileDropped() {
    if (!platform::WindowExists()) {
        return;
    }
    const std::filesystem::path path = platform::DroppedFilePath();
    if (std::find(kDroppableSuffixes.begin(), kDroppableSuffixes.end(),
                  path.extension().string()) == kDroppableSuffixes.end()) {
        ShowError(Quoted(path) + u" is not a .txt, .md or .markdown file.");
        return;
    }
    // Within a mebibyte the gate decides, as for a paste: a Markdown file's prose
    // may fit where the file as a whole would not.
    const platform::FileBytes file = platform::ReadFileBytes(path.string(), kMaxInputBytes);
    if (file.status == platform::FileReadStatus::TooLarge) {
        AlertTooLong();
        return;
    }
    if (file.status == platform::FileReadStatus::Unreadable) {
        ShowError(Quoted(path) + u" could not be read.");
        return;
    }
    const DecodedInput decoded = DecodeInputBytes(file.bytes);
    if (!decoded.error.empty()) {
        ShowError(Quoted(path) + u" is not UTF-8 text (" + DecodeUtf8(decoded.error).text + u").");
        return;
    }
    // Emptying the editor would clear it for good, its undo history too.
    if (decoded.text.empty()) {
        ShowError(Quoted(path) + u" holds no text.");
        return;
    }
    SetReadAsMarkdown(SourceKindOf(path) == SourceKind::Markdown);
    platform::ReplaceEditorText(kEditor, decoded.text);
    platform::FocusControl(kEditor);
}
