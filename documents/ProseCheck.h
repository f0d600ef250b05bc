#pragma once

// One document's prose analysed and weighed against the thresholds: what the
// CLI reports for a document and the language server marks in it.

#include <optional>
#include <vector>

#include "documents/Finding.h"
#include "documents/MarkdownProse.h"
#include "documents/ProseSections.h"
#include "documents/ProseSentences.h"
#include "documents/TextAnalysis.h"
#include "documents/Thresholds.h"
#include "engine/EnglishVariant.h"

struct ProseSettings {
    EnglishVariant variant = EnglishVariant::Us;
    int scenario = 0;
    Thresholds thresholds;
    // The grade, ease and score thresholds hold for each section rather than the
    // whole document (which is one section where it has no more).
    bool perSection = false;
};

struct ProseCheck {
    bool hasText = false;   // anything worth analysing; nothing else is set without it
    TextAnalysis analysis;  // of the prose
    std::vector<ProseSentence> sentences;  // every sentence, where asked for or needed
    std::vector<ProseSection> sections;    // where asked for or needed; places unset
    std::vector<Finding> findings;  // document or section ones first, then sentences'; places unset
};

struct CheckNeeds {
    bool fullAnalysis = false;  // rows, summary, report and export too
    bool sentences = false;     // even when no threshold needs them
    bool sections = false;      // likewise
};

ProseCheck CheckProse(const ProseDocument& document, const ProseSettings& settings,
                      CheckNeeds needs);

// Sets each finding's line and column from its source offsets.
void PlaceFindings(std::u16string_view source, std::vector<Finding>& findings);
