#pragma once

#include <cstddef>
#include <cstdint>

#include "documents/MarkdownProse.h"

// The length / 100 in milliseconds, held between 120 and 1000, ties to even.
std::int64_t LiveInterval(std::size_t length);

// The throttled pass; true when it computed the measures afresh.
bool LivePass(const ProseDocument& draft);

// The trailing pass, one live interval after the last change: the throttles
// and the busy worker may have left rows describing an older text.
void CompleteLiveAnalysis();

// Before a modal box, which holds the program's events (the delayed flush
// among them) until it closes: the figures describe the editor's text, and
// the text is on disk.
void CompleteTypingBeforeModal();
