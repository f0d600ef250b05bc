#include "cli/CliTextTable.h"

#include <algorithm>

#include "documents/Utf8Figures.h"
#include "engine/Utf8.h"

std::string CliTextTable(const TextAnalysis& analysis) {
    // Value texts are ASCII, so their length is their width on a terminal.
    std::size_t valueWidth = 0;
    for (const MetricRowView& row : analysis.rows) {
        valueWidth = std::max(valueWidth, row.valueText.size());
    }
    std::string table;
    for (const MetricRowView& row : analysis.rows) {
        std::string line = EncodeUtf8(row.valueText);
        line.resize(valueWidth + 2, ' ');
        table += line + EncodeUtf8(row.label) + "\n";
    }
    table += '\n';
    table += EncodeUtf8(analysis.summary);
    table += '\n';
    table += "Overall Weighted Quillory Score: ";
    if (analysis.score) {
        table += TwoDecimalsUtf8(analysis.score->overallScore) + "/100\n";
    } else {
        table += "none (the text needs at least 5 words and 2 sentences)\n";
    }
    return table;
}
