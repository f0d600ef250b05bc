#include "shell/VersionFile.h"

#include <vector>

#include "engine/Utf8.h"
#include "product/Product.h"

namespace {

std::u16string_view TrimBlanks(std::u16string_view line) {
    const auto first = line.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(u' ') - first + 1);
}

std::vector<std::u16string_view> SplitAt(std::u16string_view text, char16_t separator) {
    std::vector<std::u16string_view> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::u16string_view::npos;
         start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

VersionFileResult ReadVersionFile(std::string_view body, std::u16string_view latestVersion) {
    VersionFileResult result;
    const Utf8DecodeResult decoded = DecodeUtf8(body.substr(0, body.find('\0')));
    if (decoded.errorOffset) {
        return result;
    }
    const std::vector<std::u16string_view> lines = SplitAt(decoded.text, u'\n');
    const std::u16string_view first = TrimBlanks(lines[0]);
    const std::vector<std::u16string_view> fields = SplitAt(first, u' ');
    // Without a second field, or with an empty one, there is no version to offer.
    if (!first.starts_with(u"Quillory") || fields.size() < 2 || fields[1].empty()) {
        return result;
    }
    result.version = fields[1];
    if (result.version == kVersion || result.version == latestVersion) {
        result.outcome = VersionFileResult::Outcome::UpToDate;
        return result;
    }
    result.outcome = VersionFileResult::Outcome::NewVersion;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::u16string_view note = TrimBlanks(lines[i]);
        if (!note.empty()) {
            result.releaseNotes.append(note).push_back(u'\n');
        }
    }
    return result;
}
