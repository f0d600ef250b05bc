#include "documents/MarkdownCode.h"

#include <algorithm>

#include "documents/SourceLines.h"

bool TakeFenceLine(Fence& fence, std::string_view line) {
    const std::size_t indent = line.find_first_not_of(' ');  // npos for a blank line
    if (indent > 3) {
        return fence.open;
    }
    const char mark = line[indent];
    if (mark != '`' && mark != '~') {
        return fence.open;
    }
    const std::size_t runEnd = std::min(line.find_first_not_of(mark, indent), line.size());
    const std::size_t run = runEnd - indent;
    if (run < 3) {
        return fence.open;
    }
    if (!fence.open) {
        fence = {true, mark, run};
    } else if (mark == fence.mark && run >= fence.length && IsBlankLine(line.substr(runEnd))) {
        fence.open = false;
    }
    return true;
}

std::size_t CodeSpanEnd(std::string_view text, std::size_t start) {
    const std::size_t runEnd = std::min(text.find_first_not_of('`', start), text.size());
    const std::size_t run = runEnd - start;
    const std::size_t lineEnd = std::min(text.find('\n', runEnd), text.size());
    for (std::size_t i = runEnd; i < lineEnd;) {
        if (text[i] != '`') {
            ++i;
            continue;
        }
        const std::size_t closeEnd = std::min(text.find_first_not_of('`', i), text.size());
        if (closeEnd - i == run) {
            return closeEnd;
        }
        i = closeEnd;
    }
    return runEnd;  // no closing run: the backticks are text
}
