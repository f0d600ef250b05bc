#include "cli/GithubCommands.h"

#include <string_view>

namespace {

// A message may not break the command's line.
std::string EscapeData(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '%':
                escaped += "%25";
                break;
            case '\r':
                escaped += "%0D";
                break;
            case '\n':
                escaped += "%0A";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

// Nor may a property value end its property.
std::string EscapeProperty(std::string_view text) {
    std::string escaped;
    for (const char c : EscapeData(text)) {
        if (c == ':') {
            escaped += "%3A";
        } else if (c == ',') {
            escaped += "%2C";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace

std::string_view GithubPath(std::string_view path) {
    while (path.starts_with("./")) {
        path.remove_prefix(2);
    }
    return path;
}

std::string GithubCommands(const DocumentResult& result) {
    const std::string file = "file=" + EscapeProperty(GithubPath(result.path));
    if (!result.error.empty()) {
        return "::error " + file + ",title=quillory-cli::" + EscapeData(result.error) + "\n";
    }
    std::string commands;
    for (const Finding& finding : result.findings) {
        commands += "::warning " + file + ",line=" + std::to_string(finding.start.line);
        if (!finding.wholeDocument) {
            // GitHub reads columns only within one line.
            if (finding.start.line == finding.end.line) {
                commands += ",col=" + std::to_string(finding.start.column);
            }
            commands += ",endLine=" + std::to_string(finding.end.line);
            if (finding.start.line == finding.end.line) {
                commands += ",endColumn=" + std::to_string(finding.end.column);
            }
        }
        commands +=
            ",title=" + EscapeProperty("quillory " + std::string(FindingRuleId(finding.rule)));
        commands += "::" + EscapeData(finding.message) + "\n";
    }
    return commands;
}

std::string GithubTotalsNotice(const DocumentTotals& totals) {
    return "::notice title=quillory-cli::" + EscapeData(DocumentTotalsSentence(totals)) + "\n";
}
