#pragma once

// One document's prose analysed and weighed against the thresholds: the one
// road by which the window, quillory-cli and quillory-ls come to what they show.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "documents/Finding.h"
#include "documents/MarkdownProse.h"
#include "documents/ProseSections.h"
#include "documents/ProseSentences.h"
#include "documents/TextAnalysis.h"
#include "documents/Thresholds.h"
#include "engine/CountMemory.h"
#include "engine/EnglishVariant.h"
#include "engine/ReadingRates.h"
#include "engine/SentenceSpans.h"

struct ProseSettings {
    EnglishVariant variant = EnglishVariant::Us;
    int scenario = 0;
    Thresholds thresholds;
    // The grade, ease and score thresholds hold for each section rather than the
    // whole document (which is one section where it has no more).
    bool perSection = false;
    std::optional<ReadingRates> rates;  // the scenario's where unset; the window keeps its own
};

// What a document is held to and an editor shows in one line.
struct DocumentFigures {
    bool hasText = false;  // anything worth analysing; nothing else is set without it
    std::int64_t words = 0;
    double grade = 0;
    double ease = 0;
    std::optional<double> score;  // none for a text too short for one
};

struct DocumentAnalysis {
    DocumentFigures figures;
    int sentenceAim = 0;                   // SentenceAim of the settings
    TextAnalysis analysis;                 // of the prose; nothing is set without text
    std::vector<ProseSentence> sentences;  // every sentence, where asked for or needed
    std::vector<ProseSection> sections;    // where asked for or needed; places unset
    std::vector<Finding> findings;  // document or section ones first, then sentences'; places unset
};

struct AnalysisNeeds {
    bool fullAnalysis = false;  // rows, summary, report and export too
    bool sentences = false;     // even when no threshold needs them
    bool sections = false;      // likewise
    // Analysed though it holds no character the variant reads, as the window
    // analyses whatever its editor holds; an empty prose still is not.
    bool anyText = false;
};

// What the window keeps between keystrokes, so that each analysis counts only
// what changed.
struct AnalysisMemory {
    CountMemory counts;
    SpanMemory spans;
};

DocumentAnalysis AnalyseDocument(const ProseDocument& document, const ProseSettings& settings,
                                 AnalysisNeeds needs, AnalysisMemory* memory = nullptr);

// The scenario's longest sentence, in words, that the marks and limits go by.
int SentenceAim(const ProseSettings& settings);

// A long or very long sentence's mark: how long it is and what it costs.
std::u16string MarkTextOf(const ProseSentence& sentence, const DocumentFigures& figures,
                          const ProseSettings& settings);

// Sets each finding's line and column from its source offsets.
void PlaceFindings(std::u16string_view source, std::vector<Finding>& findings);
