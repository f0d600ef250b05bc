#include "tests/ls/ReadmeBlock.h"

#include <sstream>

#include "testsupport/TemporaryFolder.h"

std::string ReadmeBlock(std::string_view heading) {
    constexpr std::string_view kIndent = "    ";
    std::istringstream readme(ReadFile(QUILLORY_README));
    std::string line;
    while (std::getline(readme, line) && !line.starts_with(heading)) {
    }
    // The heading's own sentence may run on before the block.
    while (std::getline(readme, line) && !line.empty()) {
    }
    std::string block;
    while (std::getline(readme, line) && (line.empty() || line.starts_with(kIndent))) {
        block += line.empty() ? "\n" : line.substr(kIndent.size()) + "\n";
    }
    return block;
}
