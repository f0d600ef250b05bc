#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

inline constexpr std::int64_t kEditorPassThrottle = 120;  // milliseconds

// The length / 100 in milliseconds, held between 120 and 1000, ties to even.
std::int64_t LiveInterval(std::size_t length);

// The editor-change handler, after PrepareResultsArea has put the text through
// the input gate: the worker start, the throttled live pass, the full redraw
// when no worker is busy, the save and the trailing pass's schedule.
// `draft` is the editor's text as ReadDraft gave it.
void OnEditorChange(std::u16string_view editorText, std::u16string_view draft, bool passesGate);

// The throttled pass; true when it computed the measures afresh.
bool LivePass(std::u16string_view text);

// The trailing pass, one live interval after the last change: the throttles
// and the busy worker may have left rows describing an older text.
void CompleteLiveAnalysis();

// Before a modal box, which holds the program's events (the delayed flush
// among them) until it closes: the figures describe the editor's text, and
// the text is on disk.
void CompleteTypingBeforeModal();
