#include "cli/JobSummary.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/GithubCommands.h"
#include "documents/Utf8Figures.h"

namespace {

std::string Row(std::initializer_list<std::string> cells) {
    std::string row = "|";
    for (const std::string& cell : cells) {
        row += " " + cell + " |";
    }
    return row + "\n";
}

void AddRow(std::vector<std::string>& rows, std::size_t& leftOut, std::string row) {
    if (rows.size() < kJobSummaryRows) {
        rows.push_back(std::move(row));
    } else {
        ++leftOut;
    }
}

std::string Table(const std::string& heading, const std::string& header,
                  const std::vector<std::string>& rows, std::size_t leftOut,
                  const std::string& noun) {
    if (rows.empty()) {
        return {};
    }
    std::string text = "\n#### " + heading + "\n\n" + header;
    for (const std::string& row : rows) {
        text += row;
    }
    if (leftOut > 0) {
        text +=
            "\n" + CountOf(static_cast<std::int64_t>(leftOut), "more " + noun) + " not shown.\n";
    }
    return text;
}

}  // namespace

void AddToJobSummary(JobSummary& summary, const DocumentResult& result) {
    const std::string path = EscapeMarkdown(GithubPath(result.path));
    if (result.missed) {
        AddRow(summary.documentRows, summary.documentsLeftOut,
               Row({path, std::to_string(result.figures.words),
                    TwoDecimalsUtf8(result.figures.grade), TwoDecimalsUtf8(result.figures.ease),
                    result.figures.score ? TwoDecimalsUtf8(*result.figures.score) : "none"}));
    }
    for (const Finding& finding : result.findings) {
        AddRow(summary.findingRows, summary.findingsLeftOut,
               Row({path, std::to_string(finding.start.line), EscapeMarkdown(finding.message)}));
    }
}

std::string JobSummaryText(const JobSummary& summary, const DocumentTotals& totals) {
    return "### quillory-cli\n\n" + EscapeMarkdown(DocumentTotalsSentence(totals)) + "\n" +
           Table(
               "Documents that missed a threshold",
               "| Document | Words | Grade | Ease | Score |\n| --- | ---: | ---: | ---: | ---: |\n",
               summary.documentRows, summary.documentsLeftOut, "document") +
           Table("Findings", "| File | Line | Message |\n| --- | ---: | --- |\n",
                 summary.findingRows, summary.findingsLeftOut, "finding");
}

std::string EscapeMarkdown(std::string_view text) {
    // Backslash escapes any ASCII punctuation; these are the marks that could
    // start emphasis, code, a link, raw HTML, an entity, math or a new cell.
    constexpr std::string_view kMarks = "\\`*_[]<>|~&$#!";
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (c == '\n' || c == '\r') {
            escaped += ' ';
            continue;
        }
        if (kMarks.find(c) != std::string_view::npos) {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

std::optional<std::string> AppendJobSummary(const std::string& file, std::string_view text) {
    const int descriptor = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        return "cannot write the job summary " + file + ": " + std::strerror(errno);
    }
    const ssize_t written = ::write(descriptor, text.data(), text.size());
    int error = written < 0 ? errno : 0;
    if (written >= 0 && static_cast<std::size_t>(written) != text.size()) {
        error = ENOSPC;
    }
    if (::close(descriptor) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        return "cannot write the job summary " + file + ": " + std::strerror(error);
    }
    return std::nullopt;
}
