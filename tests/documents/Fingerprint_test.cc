#include "documents/Fingerprint.h"

#include <gtest/gtest.h>

#include "documents/DocumentAnalysis.h"
#include "documents/SourceDocument.h"

namespace {

TEST(FingerprintTest, OnlyTheWordsCount) {
    const std::string base = WordsFingerprint(u"One long sentence here.");
    EXPECT_EQ(base.size(), 16U);
    EXPECT_EQ(WordsFingerprint(u"  One long\r\n sentence\there.\n\n"), base);
    EXPECT_NE(WordsFingerprint(u"One longer sentence here."), base);
    EXPECT_NE(WordsFingerprint(u"One long sentence here!"), base);
    // Fixed for good: a baseline written by one release is read by the next.
    EXPECT_EQ(WordsFingerprint(u""), "cbf29ce484222325");
}

TEST(FingerprintTest, RepeatedSentencesAreNumberedInOrder) {
    const SourceDocument document =
        LoadDocument(
            "Far too many words are in this sentence for the limit. Short one.\n\n"
            "Far too many words are in this sentence for the limit.\n",
            SourceKind::Markdown)
            .document;
    ProseSettings settings;
    settings.thresholds.maxSentenceWords = SentenceWordLimit{.scenarioAim = false, .words = 5};
    const DocumentAnalysis check = AnalyseDocument(document.prose, settings, {});
    ASSERT_EQ(check.findings.size(), 2U);
    const std::string hash =
        WordsFingerprint(u"Far too many words are in this sentence for the limit.");
    EXPECT_EQ(check.findings[0].fingerprint, "sentence:" + hash + ":1");
    EXPECT_EQ(check.findings[1].fingerprint, "sentence:" + hash + ":2");
}

}  // namespace
