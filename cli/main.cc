#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliAnalysis.h"
#include "cli/CliInput.h"
#include "cli/CliJson.h"
#include "cli/CliOptions.h"
#include "cli/CliSentences.h"
#include "cli/CliTextTable.h"
#include "engine/InputValidation.h"
#include "engine/Utf8.h"
#include "product/Product.h"
#include "results/ExportDocument.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitNoText = 1;
constexpr int kExitWriteFailed = 1;
constexpr int kExitBadInput = 2;  // a usage error, an unreadable file or invalid UTF-8
constexpr int kExitTooLong = 3;

int Fail(int exitCode, std::string_view message) {
    std::fprintf(stderr, "quillory-cli: %.*s\n", static_cast<int>(message.size()), message.data());
    return exitCode;
}

// The system's messages end in a line feed of their own.
std::string SystemMessage(std::u16string_view message) {
    if (!message.empty() && message.back() == u'\n') {
        message.remove_suffix(1);
    }
    return EncodeUtf8(message);
}

int Write(std::string_view bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
                         std::fflush(stdout) == 0;
    if (!written) {
        return Fail(kExitWriteFailed,
                    std::string("cannot write the output: ") + std::strerror(errno));
    }
    return kExitOk;
}

int Analyse(const CliOptions& options) {
    const CliInput input = ReadCliInput(options.path);
    if (input.status == InputStatus::Unreadable) {
        return Fail(kExitBadInput, input.error);
    }
    if (input.status == InputStatus::TooLarge) {
        return Fail(kExitTooLong, SystemMessage(kInputTooLongMessage));
    }

    Utf8DecodeResult decoded = DecodeUtf8(input.bytes);
    if (decoded.errorOffset) {
        return Fail(kExitBadInput,
                    "invalid UTF-8 at byte offset " + std::to_string(*decoded.errorOffset));
    }
    std::u16string& text = decoded.text;
    if (!text.empty() && text.front() == u'\uFEFF') {
        text.erase(0, 1);
    }
    if (text.empty()) {
        return Fail(kExitNoText, "the input is empty");
    }
    const CleanedInput cleaned = CleanInput(text, options.variant);
    if (cleaned.exceededLimit) {
        return Fail(kExitTooLong, SystemMessage(kInputTooLongMessage));
    }
    if (cleaned.text.empty()) {
        return Fail(kExitNoText, "the input holds no character that can be analysed");
    }

    // A copy: the sentences' offsets point into the text as read, not as normalised.
    const CliAnalysis analysis = AnalyseText(text, options.variant, options.scenario);
    switch (options.format) {
        case OutputFormat::Text:
            return Write(CliTextTable(analysis));
        case OutputFormat::Json:
            return Write(CliJsonText(analysis));
        case OutputFormat::Report:
            return Write(EncodeUtf8(analysis.report));
        case OutputFormat::Export:
            if (analysis.job.text.empty()) {
                return Fail(kExitNoText, SystemMessage(kNothingToExportMessage));
            }
            return Write(EncodeUtf8(analysis.exportDocument));
        case OutputFormat::Sentences:
            return Write(CliSentencesText(analysis, text));
    }
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CliOptions options = ParseCliOptions(arguments);
    switch (options.action) {
        case CliAction::ShowHelp:
            return Write(CliHelpText());
        case CliAction::ShowVersion:
            return Write("quillory-cli " + std::string(kVersionUtf8) + "\n");
        case CliAction::UsageError:
            return Fail(kExitBadInput, options.usageError);
        case CliAction::Analyse:
            break;
    }
    return Analyse(options);
}
