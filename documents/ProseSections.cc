#include "documents/ProseSections.h"

#include <algorithm>
#include <utility>

#include "documents/InlineCode.h"
#include "documents/TextAnalysis.h"
#include "engine/InputValidation.h"
#include "engine/TextStatistics.h"

namespace {

std::u16string OneLine(std::u16string_view text) {
    std::u16string line = ShownProse(text);
    std::replace(line.begin(), line.end(), u'\n', u' ');
    return line;
}

void Measure(const ProseDocument& document, EnglishVariant variant, int scenario,
             ProseSection& section) {
    const std::u16string_view prose =
        std::u16string_view(document.prose)
            .substr(section.proseStart, section.proseEnd - section.proseStart);
    section.sourceStart = SourceOffsetOf(document, section.proseStart);
    section.sourceEnd = SourceEndOf(document, section.proseEnd);
    if (!HoldsAnalysableText(prose, variant)) {
        return;
    }
    const TextAnalysis analysis = AnalyseFigures(std::u16string(prose), variant, scenario);
    section.hasText = true;
    section.words = analysis.job.wordCount;
    section.sentences = analysis.job.sentenceCount;
    section.characters = analysis.job.characterCount;
    section.syllables = analysis.job.syllableCount;
    section.ascii = {analysis.complexWordCount, analysis.longWordCount};
    section.grade = analysis.job.fleschKincaidGrade;
    section.ease = analysis.job.fleschReadingEase;
    if (analysis.score) {
        section.score = analysis.score->overallScore;
    }
}

}  // namespace

std::vector<ProseSection> ProseSections(const ProseDocument& document, EnglishVariant variant,
                                        int scenario) {
    const std::u16string_view prose = document.prose;
    const std::vector<ProseHeading>& headings = document.headings;
    std::vector<ProseSection> sections;
    const std::size_t firstHeading = headings.empty() ? prose.size() : headings[0].proseStart;
    if (TrimmedEnd(prose, 0, firstHeading) > 0) {
        ProseSection before;
        before.proseEnd = TrimmedEnd(prose, 0, firstHeading);
        sections.push_back(std::move(before));
    }
    for (std::size_t i = 0; i < headings.size(); ++i) {
        const ProseHeading& heading = headings[i];
        const auto next = std::find_if(
            headings.begin() + static_cast<std::ptrdiff_t>(i) + 1, headings.end(),
            [&heading](const ProseHeading& later) { return later.level <= heading.level; });
        const std::size_t end = next == headings.end() ? prose.size() : next->proseStart;
        ProseSection section;
        section.heading =
            OneLine(prose.substr(heading.proseStart, heading.proseEnd - heading.proseStart));
        section.proseStart = heading.proseStart;
        section.proseEnd = TrimmedEnd(prose, heading.proseStart, end);
        sections.push_back(std::move(section));
    }
    for (ProseSection& section : sections) {
        Measure(document, variant, scenario, section);
    }
    return sections;
}

void PlaceSections(std::u16string_view source, std::vector<ProseSection>& sections) {
    std::vector<std::size_t> offsets;
    for (const ProseSection& section : sections) {
        offsets.push_back(section.sourceStart);
        offsets.push_back(section.sourceEnd);
    }
    const PlacedOffsets placed = PlaceOffsets(source, std::move(offsets));
    for (ProseSection& section : sections) {
        section.start = placed.At(section.sourceStart);
        section.end = placed.At(section.sourceEnd);
    }
}
