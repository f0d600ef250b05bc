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
#include "results/SentenceMarkText.h"
#include "shell/ControlNumbers.h"
#include "shell/MarkdownDraft.h"
#include "shell/Preferences.h"
#include "shell/ShellState.h"

namespace {

void MoveToMark(bool forward) {
    const std::vector<WordsRange>& marked = shell.marked;
    if (marked.empty()) {
        return;
    }
    const std::size_t cursor = platform::EditorCursor(kEditor);
    const auto startsAfter = [](std::size_t offset, const WordsRange& mark) {
        return offset < mark.start;
    };
    const auto startsBefore = [](const WordsRange& mark, std::size_t offset) {
        return mark.start < offset;
    };
    WordsRange target;
    if (forward) {
        const auto next = std::upper_bound(marked.begin(), marked.end(), cursor, startsAfter);
        target = next == marked.end() ? marked.front() : *next;
    } else {
        const auto previous = std::lower_bound(marked.begin(), marked.end(), cursor, startsBefore);
        target = previous == marked.begin() ? marked.back() : *std::prev(previous);
    }
    platform::SetEditorCursor(kEditor, target.start);
    platform::ShowEditorRange(kEditor, target.start, target.end);
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
    shell.marked.clear();
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
        shell.marked.push_back(words);
    }
    platform::SetEditorMarks(kEditor, marks);
}

void ClearSentenceMarks() {
    shell.marked.clear();
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
