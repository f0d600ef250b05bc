#include "shell/SentenceMarks.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "engine/AnalysisJob.h"
#include "engine/Scenario.h"
#include "engine/SentenceSpans.h"
#include "engine/TextStatistics.h"
#include "platform/Platform.h"
#include "report/Recommendations.h"
#include "report/SentenceImpact.h"
#include "report/WeightedScore.h"
#include "results/ControlNumbers.h"
#include "results/SentenceMarkText.h"
#include "shell/MarkdownDraft.h"
#include "shell/Preferences.h"
#include "shell/ShellState.h"

namespace {

void MoveToMark(bool forward) {
    const std::vector<std::size_t>& starts = shell.markStarts;
    if (starts.empty()) {
        return;
    }
    const std::size_t cursor = platform::EditorCursor(kEditor);
    std::size_t target = 0;
    if (forward) {
        const auto next = std::upper_bound(starts.begin(), starts.end(), cursor);
        target = next == starts.end() ? starts.front() : *next;
    } else {
        const auto previous = std::lower_bound(starts.begin(), starts.end(), cursor);
        target = previous == starts.begin() ? starts.back() : *std::prev(previous);
    }
    platform::SetEditorCursor(kEditor, target);
}

}  // namespace

void MarkSentences(std::u16string_view draft, const AnalysisJob& whole) {
    if (!shell.highlight) {  // before counting words that no mark would show
        ClearSentenceMarks();
        return;
    }
    MarkSentencesCounted(draft, whole, CountAsciiWords(whole.text, shell.locale));
}

void MarkSentencesCounted(std::u16string_view draft, const AnalysisJob& whole,
                          const AsciiWordCounts& ascii) {
    if (!shell.highlight) {
        ClearSentenceMarks();
        return;
    }
    const EnglishVariant variant = shell.locale;
    const int scenario = shell.scenario;
    const ScoreProfile& profile = SelectScoreProfile(scenario, variant);
    const std::optional<double> wholeScore =
        IsTooShortForScore(whole)
            ? std::nullopt
            : std::optional(
                  ComputeWeightedScoreFromCounts(whole, ascii.complexWords, profile).overallScore);

    const std::vector<SentenceSpan> spans =
        SentenceSpans(draft, whole.text, variant, shell.spanMemory);
    const std::vector<SentenceImpact> impacts =
        SentenceImpacts(whole, ascii, spans, scenario, variant);
    std::vector<platform::EditorMark> marks;
    shell.markStarts.clear();
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (impacts[i].level == SentenceLevel::None) {
            continue;
        }
        const bool veryLong = impacts[i].level == SentenceLevel::VeryLong;
        // The words alone: no blanks or line breaks after them are marked.
        const WordsRange words = EditorRange(SentenceWords(draft, spans[i]));
        marks.push_back({words.start, words.end,
                         veryLong ? platform::MarkLevel::VeryLong : platform::MarkLevel::Long,
                         SentenceMarkText(spans[i], impacts[i], scenario, profile.maxSentenceLength,
                                          whole.fleschKincaidGrade, wholeScore)});
        shell.markStarts.push_back(words.start);
    }
    platform::SetEditorMarks(kEditor, marks);
}

void ClearSentenceMarks() {
    shell.markStarts.clear();
    platform::SetEditorMarks(kEditor, {});
}

void ToggleHighlight() {
    shell.highlight = !shell.highlight;
    StoreFlag(kHighlightKey, shell.highlight);
    platform::SetMenuItemChecked(kHighlightItem, shell.highlight);
    // Off clears at once; on marks now if the analysis is current, else with the
    // pass that is coming anyway.
    if (!shell.highlight || shell.analysisCurrent) {
        MarkSentences(ReadDraft(platform::ControlText(kEditor)), shell.currentJob);
    }
}

void OnNextMarkShortcut() {
    MoveToMark(true);
}

void OnPreviousMarkShortcut() {
    MoveToMark(false);
}
