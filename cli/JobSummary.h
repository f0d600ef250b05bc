#pragma once

// The Markdown summary GitHub shows on a job's page, where every finding can
// be read and not only the few annotations it shows.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/DocumentCheck.h"
#include "cli/DocumentText.h"

// Each table holds at most this many rows; a line says how many were left out.
inline constexpr std::size_t kJobSummaryRows = 300;

struct JobSummary {
    std::vector<std::string> documentRows;  // the documents that missed a threshold
    std::size_t documentsLeftOut = 0;
    std::vector<std::string> findingRows;
    std::size_t findingsLeftOut = 0;
};

void AddToJobSummary(JobSummary& summary, const DocumentResult& result);

// A heading, the totals, and the tables that have rows.
std::string JobSummaryText(const JobSummary& summary, const DocumentTotals& totals);

// Text that Markdown shows as it is, on one line.
std::string EscapeMarkdown(std::string_view text);

// Appended in one write, so that a failure never leaves half of it; why it
// could not be, otherwise.
std::optional<std::string> AppendJobSummary(const std::string& file, std::string_view text);
