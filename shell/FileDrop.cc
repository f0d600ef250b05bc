#include "shell/FileDrop.h"

#include <filesystem>
#include <string>

#include "documents/InputBytes.h"
#include "documents/SourceKind.h"
#include "engine/InputValidation.h"
#include "engine/Utf8.h"
#include "platform/Platform.h"
#include "results/ControlNumbers.h"
#include "shell/Alerts.h"
#include "shell/InputGate.h"
#include "shell/MarkdownDraft.h"
#include "shell/ShellState.h"

namespace {

// Three bytes a code unit at most, and a byte order mark: a larger file cannot fit.
constexpr std::size_t kMaxDroppedBytes = 3 * kMaxInputLength + 3;

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
    const SourceKind kind = SourceKindOf(path);
    if (kind == SourceKind::Mdx || (kind == SourceKind::Text && path.extension() != ".txt")) {
        ShowError(Quoted(path) + u" is not a .txt, .md or .markdown file.");
        return;
    }
    const platform::FileBytes file = platform::ReadFileBytes(path.string(), kMaxDroppedBytes);
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
    if (decoded.text.size() > kMaxInputLength) {
        AlertTooLong();
        return;
    }
    SetReadAsMarkdown(kind == SourceKind::Markdown);
    platform::ReplaceEditorText(kEditor, decoded.text);
    platform::FocusControl(kEditor);
}
