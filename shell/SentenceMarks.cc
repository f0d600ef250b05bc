#include "shell/SentenceMarks.h"

#include <algorithm>
#include <vector>

#include "engine/SentenceSpans.h"
#include "platform/Platform.h"
#include "report/SentenceImpact.h"
#include "shell/ControlNumbers.h"
#include "shell/Draft.h"
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

void ShowSentenceMarks(const std::vector<ProseSentence>& sentences,
                       const DocumentFigures& figures) {
    if (!shell.highlight) {
        ClearSentenceMarks();
        return;
    }
    const ProseSettings settings = DraftSettings();
    std::vector<platform::EditorMark> marks;
    shell.marked.clear();
    for (const ProseSentence& sentence : sentences) {
        const SentenceLevel level = sentence.impact.level;
        if (level == SentenceLevel::None) {
            continue;
        }
        // The words alone: no blanks or line breaks after them are marked.
        const WordsRange words{sentence.wordsStart, sentence.wordsEnd};
        marks.push_back({words.start, words.end,
                         level == SentenceLevel::VeryLong ? platform::MarkLevel::VeryLong
                                                          : platform::MarkLevel::Long,
                         MarkTextOf(sentence, figures, settings)});
        shell.marked.push_back(words);
    }
    platform::SetEditorMarks(kEditor, marks);
}

void ClearSentenceMarks() {
    shell.marked.clear();
    platform::SetEditorMarks(kEditor, {});
}

void OnNextMarkShortcut() {
    MoveToMark(true);
}

void OnPreviousMarkShortcut() {
    MoveToMark(false);
}
