#include "ls/OpenDocument.h"

#include <algorithm>
#include <utility>

#include "documents/SourceDocument.h"
#include "documents/Utf8Figures.h"
#include "engine/Scenario.h"
#include "engine/Utf8.h"

namespace {

using Json = nlohmann::json;

constexpr int kSeverityError = 1;
constexpr int kSeverityWarning = 2;
constexpr int kSeverityInformation = 3;

Json PositionJson(LspPosition position) {
    return {{"line", position.line}, {"character", position.character}};
}

Json RangeJson(const OpenText& text, std::size_t start, std::size_t end,
               PositionEncoding encoding) {
    return {{"start", PositionJson(PositionOf(text, start, encoding))},
            {"end", PositionJson(PositionOf(text, end, encoding))}};
}

// Whole-document findings and a bad configuration file stand on the first line.
Json FirstLineRange(const OpenText& text, PositionEncoding encoding) {
    return RangeJson(text, 0, LineContentEnd(text, 0), encoding);
}

Json DiagnosticJson(Json range, int severity, std::string_view code, std::string message) {
    return {{"range", std::move(range)},
            {"severity", severity},
            {"code", code},
            {"source", "quillory"},
            {"message", std::move(message)}};
}

bool IsSentenceFinding(const Finding& finding) {
    return !finding.wholeDocument && !finding.section;
}

bool IsOn(const Finding& finding, const ProseSentence& sentence) {
    return IsSentenceFinding(finding) && finding.sourceStart == sentence.sourceStart &&
           finding.sourceEnd == sentence.wordsEnd;
}

// A sentence's one diagnostic: its mark, its threshold findings, or both in one,
// where the threshold's code and the mark's tooltip win and each part stays in
// the related information.
Json SentenceDiagnostic(const OpenDocument& document, const ProseSentence& sentence,
                        const std::vector<const Finding*>& findings, PositionEncoding encoding) {
    const OpenText& text = document.text;
    const SentenceLevel level = sentence.impact.level;
    const bool marked = level != SentenceLevel::None;
    const std::string_view markCode =
        level == SentenceLevel::VeryLong ? "very-long-sentence" : "long-sentence";
    const std::string tooltip =
        marked ? EncodeUtf8(MarkTextOf(sentence, document.figures, document.settings.prose))
               : std::string();
    if (findings.empty()) {
        return DiagnosticJson(
            RangeJson(text, sentence.wordsStart, sentence.wordsEnd, encoding),
            level == SentenceLevel::VeryLong ? kSeverityWarning : kSeverityInformation, markCode,
            tooltip);
    }
    const auto wordLimit = std::find_if(findings.begin(), findings.end(), [](const Finding* f) {
        return f->rule == FindingRule::MaxSentenceWords;
    });
    const Finding& main = wordLimit != findings.end() ? **wordLimit : *findings.front();
    Json range = RangeJson(text, main.sourceStart, main.sourceEnd, encoding);
    Json diagnostic = DiagnosticJson(range, kSeverityWarning, FindingRuleId(main.rule),
                                     marked ? tooltip : main.message);
    if (findings.size() + (marked ? 1 : 0) < 2) {
        return diagnostic;
    }
    Json related = Json::array();
    const auto relate = [&](std::string_view code, const std::string& message) {
        related.push_back({{"location", {{"uri", document.uri}, {"range", range}}},
                           {"message", std::string(code) + ": " + message}});
    };
    if (marked) {
        relate(markCode, tooltip);
    }
    for (const Finding* finding : findings) {
        relate(FindingRuleId(finding->rule), finding->message);
    }
    diagnostic["relatedInformation"] = std::move(related);
    return diagnostic;
}

// The sentences a document's or section's finding names for rewriting.
Json NamedSentencesJson(const OpenDocument& document, const Finding& finding,
                        PositionEncoding encoding) {
    Json related = Json::array();
    for (const NamedSentence& named : finding.named) {
        related.push_back(
            {{"location",
              {{"uri", document.uri},
               {"range", RangeJson(document.text, named.sourceStart, named.sourceEnd, encoding)}}},
             {"message", named.message}});
    }
    return related;
}

std::string VariantName(EnglishVariant variant) {
    return variant == EnglishVariant::Uk ? "UK English" : "US English";
}

}  // namespace

DocumentAnalysis AnalyseOpenDocument(const OpenDocument& document, AnalysisNeeds needs) {
    return AnalyseDocument(ProseOf(document.text.text, document.kind), document.settings.prose,
                           needs);
}

void CheckOpenDocument(OpenDocument& document, const EditorSettings& editor, ConfigFiles& files) {
    document.settings = ResolveSettings(
        editor, document.path.empty() ? document.path : document.path.parent_path(), files);
    DocumentAnalysis analysis = AnalyseOpenDocument(document, {.sentences = true});
    document.figures = analysis.figures;
    document.sentences = std::move(analysis.sentences);
    document.findings = std::move(analysis.findings);
    document.checked = true;
}

Json Diagnostics(const OpenDocument& document, PositionEncoding encoding) {
    Json diagnostics = Json::array();
    const OpenText& text = document.text;
    if (!document.settings.configError.empty()) {
        diagnostics.push_back(DiagnosticJson(FirstLineRange(text, encoding), kSeverityError,
                                             "config", document.settings.configError));
    }
    std::vector<const Finding*> onSentences;  // in the sentences' order
    for (const Finding& finding : document.findings) {
        if (IsSentenceFinding(finding)) {
            onSentences.push_back(&finding);
            continue;
        }
        Json range = finding.wholeDocument
                         ? FirstLineRange(text, encoding)
                         : RangeJson(text, finding.sourceStart, finding.sourceEnd, encoding);
        Json& diagnostic = diagnostics.emplace_back(DiagnosticJson(
            std::move(range), kSeverityWarning, FindingRuleId(finding.rule), finding.message));
        if (!finding.named.empty()) {
            diagnostic["relatedInformation"] = NamedSentencesJson(document, finding, encoding);
        }
    }
    auto next = onSentences.begin();
    std::vector<const Finding*> findings;
    for (const ProseSentence& sentence : document.sentences) {
        findings.clear();
        for (; next != onSentences.end() && IsOn(**next, sentence); ++next) {
            findings.push_back(*next);
        }
        if (sentence.impact.level != SentenceLevel::None || !findings.empty()) {
            diagnostics.push_back(SentenceDiagnostic(document, sentence, findings, encoding));
        }
    }
    return diagnostics;
}

Json Hover(const OpenDocument& document, std::size_t offset, PositionEncoding encoding) {
    const std::vector<ProseSentence>& sentences = document.sentences;
    // The last sentence starting at or before the offset, if the offset is within its words.
    const auto after = std::upper_bound(sentences.begin(), sentences.end(), offset,
                                        [](std::size_t place, const ProseSentence& sentence) {
                                            return place < sentence.wordsStart;
                                        });
    if (after == sentences.begin() || offset > std::prev(after)->wordsEnd) {
        return nullptr;
    }
    const ProseSentence& sentence = *std::prev(after);
    std::string markdown;
    if (sentence.impact.level == SentenceLevel::VeryLong) {
        markdown = "**Very long sentence**\n\n";
    } else if (sentence.impact.level == SentenceLevel::Long) {
        markdown = "**Long sentence**\n\n";
    }
    markdown += EncodeUtf8(MarkTextOf(sentence, document.figures, document.settings.prose));
    for (const Finding& finding : document.findings) {
        if (IsOn(finding, sentence)) {
            markdown +=
                "\n\n**" + std::string(FindingRuleId(finding.rule)) + "**: " + finding.message;
        }
    }
    return {{"contents", {{"kind", "markdown"}, {"value", markdown}}},
            {"range", RangeJson(document.text, sentence.wordsStart, sentence.wordsEnd, encoding)}};
}

Json CodeLenses(const OpenDocument& document) {
    const ProseSettings& settings = document.settings.prose;
    const std::string context =
        EncodeUtf8(kScenarioNames[settings.scenario]) + ", " + VariantName(settings.variant);
    std::string title;
    if (!document.figures.hasText) {
        title = "No text to analyse \u2014 " + context;
    } else {
        title = "Grade " + TwoDecimalsUtf8(document.figures.grade) + " \u00B7 Reading ease " +
                TwoDecimalsUtf8(document.figures.ease) + " \u00B7 " +
                (document.figures.score ? "Score " + TwoDecimalsUtf8(*document.figures.score)
                                        : std::string("Too short for a score")) +
                " \u2014 " + context;
    }
    const Json zero = PositionJson({});
    return Json::array({{{"range", {{"start", zero}, {"end", zero}}},
                         {"command", {{"title", title}, {"command", ""}}}}});
}
