#include "cli/DocumentText.h"

#include "documents/Utf8Figures.h"

void CountDocument(DocumentTotals& totals, const DocumentResult& result) {
    ++totals.documents;
    totals.words += result.figures.words;
    totals.findings += result.findings.size();
    totals.baselined += result.baselined.size();
    totals.gone += result.absent.size();
    if (!result.skipped.empty()) {
        ++totals.skipped;
    } else if (!result.error.empty()) {
        ++totals.unreadable;
        totals.tooLong += result.tooLong ? 1 : 0;
        totals.overCeiling += result.overCeiling ? 1 : 0;
    } else if (result.missed) {
        ++totals.missed;
    } else if (!result.figures.hasText) {
        ++totals.empty;
    } else {
        ++totals.passed;
    }
}

std::string DocumentTextLines(const DocumentResult& result) {
    if (!result.skipped.empty()) {
        return result.path + ": skipped: " + result.skipped + "\n";
    }
    if (!result.error.empty()) {
        return result.path + ": not checked: " + result.error + "\n";
    }
    if (!result.figures.hasText) {
        return result.path + ": 0 words: empty\n";
    }
    std::string text = result.path + ": " + CountOf(result.figures.words, "word") + ", grade " +
                       TwoDecimalsUtf8(result.figures.grade) + ", ease " +
                       TwoDecimalsUtf8(result.figures.ease) + ", score " +
                       (result.figures.score ? TwoDecimalsUtf8(*result.figures.score) : "none") +
                       ": " + (result.missed ? "missed" : "passed") + "\n";
    for (const Finding& finding : result.findings) {
        text += result.path + ":" + std::to_string(finding.start.line) + ":" +
                std::to_string(finding.start.column) + ": " + finding.message + "\n";
    }
    return text;
}

std::string DocumentTotalsLine(const DocumentTotals& totals) {
    std::string line = CountOf(static_cast<std::int64_t>(totals.documents), "document") + ", " +
                       CountOf(totals.words, "word") + ": " + std::to_string(totals.passed) +
                       " passed, " + std::to_string(totals.missed) + " missed a threshold";
    if (totals.empty > 0) {
        line += ", " + std::to_string(totals.empty) + " empty";
    }
    if (totals.unreadable > 0) {
        line += ", " + std::to_string(totals.unreadable) + " not checked";
    }
    if (totals.skipped > 0) {
        line += ", " + std::to_string(totals.skipped) + " skipped";
    }
    if (totals.baselineUsed) {
        line += ", " + std::to_string(totals.baselined) + " baselined";
    }
    if (totals.gone > 0) {
        line += ", " + std::to_string(totals.gone) + " gone";
    }
    return line + "\n";
}

std::string DocumentTotalsSentence(const DocumentTotals& totals) {
    const std::size_t checked = totals.documents - totals.skipped - totals.unreadable;
    std::string sentence = CountOf(static_cast<std::int64_t>(checked), "document") + " checked: " +
                           CountOf(static_cast<std::int64_t>(totals.findings), "finding");
    if (totals.baselineUsed) {
        sentence += ", " + std::to_string(totals.baselined) + " baselined, " +
                    std::to_string(totals.gone) + " gone";
    }
    if (totals.unreadable > 0) {
        sentence += ", " + std::to_string(totals.unreadable) + " not checked";
    }
    if (totals.skipped > 0) {
        sentence += ", " + std::to_string(totals.skipped) + " skipped";
    }
    return sentence;
}
