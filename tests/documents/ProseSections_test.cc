#include "documents/ProseSections.h"

#include <gtest/gtest.h>

#include <string>

#include "documents/DocumentAnalysis.h"
#include "documents/SourceDocument.h"
#include "documents/TextAnalysis.h"
#include "engine/Utf8.h"

namespace {

SourceDocument Markdown(const std::string& text) {
    return LoadDocument(text, SourceKind::Markdown).document;
}

std::u16string ProseOf(const SourceDocument& document, const ProseSection& section) {
    return document.prose.prose.substr(section.proseStart, section.proseEnd - section.proseStart);
}

TEST(ProseSectionsTest, EachHeadingRunsToTheNextOfItsLevelOrHigher) {
    const SourceDocument document = Markdown(
        "Before any heading.\n\n"
        "# Guide\n\nIntro words.\n\n"
        "## Install\n\nRun it.\n\n"
        "### Detail\n\nMore.\n\n"
        "## Use\n\nUse it well.\n\n"
        "# Appendix\n\nEnd.\n");
    std::vector<ProseSection> sections = ProseSections(document.prose, EnglishVariant::Us, 0);
    PlaceSections(SourceText(document), sections);
    ASSERT_EQ(sections.size(), 6U);
    EXPECT_EQ(sections[0].heading, u"");
    EXPECT_EQ(ProseOf(document, sections[0]), u"Before any heading.");
    EXPECT_EQ(sections[1].heading, u"Guide");
    EXPECT_EQ(
        ProseOf(document, sections[1]),
        u"Guide.\n\nIntro words.\n\nInstall.\n\nRun it.\n\nDetail.\n\nMore.\n\nUse.\n\nUse it "
        u"well.");
    EXPECT_EQ(ProseOf(document, sections[2]), u"Install.\n\nRun it.\n\nDetail.\n\nMore.");
    EXPECT_EQ(ProseOf(document, sections[5]), u"Appendix.\n\nEnd.");
    // Placed at the heading's line, to the end of the section's last word.
    EXPECT_EQ(sections[2].start.line, 7U);
    EXPECT_EQ(sections[2].end.line, 13U);
    EXPECT_EQ(sections[2].end.column, 6U);

    // Figures are the core's for the section's prose read as a text of its own.
    const TextAnalysis install =
        AnalyseFigures(ProseOf(document, sections[2]), EnglishVariant::Us, 0);
    EXPECT_TRUE(sections[2].hasText);
    EXPECT_EQ(sections[2].words, install.job.wordCount);
    EXPECT_EQ(sections[2].sentences, install.job.sentenceCount);
    EXPECT_EQ(sections[2].grade, install.job.fleschKincaidGrade);
    EXPECT_EQ(sections[2].ease, install.job.fleschReadingEase);
}

TEST(ProseSectionsTest, PlainTextAndEmptyProse) {
    const SourceDocument plain =
        LoadDocument("# Not a heading\n\nWords.", SourceKind::Text).document;
    const std::vector<ProseSection> sections = ProseSections(plain.prose, EnglishVariant::Us, 0);
    ASSERT_EQ(sections.size(), 1U);
    EXPECT_EQ(sections[0].heading, u"");
    EXPECT_EQ(sections[0].proseEnd, plain.prose.prose.size());
    EXPECT_TRUE(ProseSections(Markdown("```\ncode\n```\n").prose, EnglishVariant::Us, 0).empty());
    // A heading with only a URL has no text of its own to name it.
    const std::vector<ProseSection> bare =
        ProseSections(Markdown("# <https://example.com>\n\nText.\n").prose, EnglishVariant::Us, 0);
    ASSERT_EQ(bare.size(), 1U);
    EXPECT_EQ(bare[0].heading, u"");
}

// Per section, a section without a heading is named for it, and a plain text
// is one section: the document's own. (A hard section missing while the whole
// passes is SectionsEndToEnd_test's.)
TEST(ProseSectionsTest, ThresholdsPerSection) {
    const SourceDocument document = Markdown(
        "Short and plain words. We like them. They help.\n\n"
        "# Easy\n\nIt is fun. We go. We see. We run. It is done. Cats sit. Dogs nap.\n\n"
        "# Hard\n\nThe organisational infrastructure necessitates comprehensive administrative "
        "understanding.\n");
    ProseSettings settings;
    settings.perSection = true;
    settings.thresholds.minEase = 200;
    const DocumentAnalysis ease = AnalyseDocument(document.prose, settings, {});
    ASSERT_GE(ease.findings.size(), 3U);
    EXPECT_EQ(ease.findings[0].message.rfind("text before the first heading: reading ease ", 0),
              0U);
    EXPECT_EQ(ease.findings[2].section, "Hard");
    EXPECT_EQ(ease.findings[2].fingerprint.rfind("section:", 0), 0U);
    // A plain text is one section: the document's own finding.
    const SourceDocument plain =
        LoadDocument("Words here. And more words there.", SourceKind::Text).document;
    const DocumentAnalysis plainCheck = AnalyseDocument(plain.prose, settings, {});
    ASSERT_FALSE(plainCheck.findings.empty());
    EXPECT_TRUE(plainCheck.findings[0].wholeDocument);
    EXPECT_EQ(plainCheck.findings[0].fingerprint, "document");
}

}  // namespace
