#include "documents/AnalysisJson.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

#include "engine/Utf8.h"

namespace {

using Json = nlohmann::ordered_json;

TEST(CliJsonTest, ShapeAndRoundTrip) {
    const TextAnalysis analysis = AnalyseText(
        u"The quick brown fox jumps over the lazy dog. It was a sunny day and everyone was "
        u"happy.\nReading is fun for readers of all ages, colour or color.",
        EnglishVariant::Uk, 4);
    const std::string text = AnalysisJsonText(analysis);
    EXPECT_EQ(text.find('\n'), text.size() - 1);

    const Json json = Json::parse(text);
    std::string keys;
    for (const auto& item : json.items()) {
        keys += item.key() + " ";
    }
    EXPECT_EQ(keys,
              "variant scenario text wordCount sentenceCount characterCount syllableCount "
              "complexWordCount longWordCount fleschReadingEase fleschKincaidGrade "
              "colemanLiauIndex automatedIndex readingTimeMinutes speakingTimeMinutes smogIndex "
              "lixIndex gunningFogIndex readingWordsPerMinute speakingWordsPerMinute labels rows "
              "summary score report ");
    EXPECT_EQ(json["variant"], "uk");
    EXPECT_EQ(json["scenario"], "Blog Post");
    EXPECT_EQ(json["text"], EncodeUtf8(analysis.job.text));
    EXPECT_EQ(json["characterCount"], analysis.job.characterCount);
    // Bit-exact: the figures must survive the trip through text.
    EXPECT_EQ(json["speakingTimeMinutes"].get<double>(), analysis.job.speakingTimeMinutes);
    ASSERT_TRUE(analysis.score.has_value());
    EXPECT_EQ(json["score"].size(), 10U);
    EXPECT_EQ(json["score"]["overallScore"].get<double>(), analysis.score->overallScore);
    EXPECT_EQ(json["report"], EncodeUtf8(analysis.report));

    ASSERT_EQ(json["rows"].size(), kMetricRows.size());
    ASSERT_EQ(json["labels"].size(), kMetricRows.size());
    for (std::size_t i = 0; i < kMetricRows.size(); ++i) {
        EXPECT_EQ(json["rows"][i], EncodeUtf8(MetricValueText(kMetricRows[i], analysis.job)));
        EXPECT_EQ(json["labels"][std::string(kMetricRows[i].key)],
                  EncodeUtf8(analysis.rows[i].label));
    }

    const Json tooShort =
        Json::parse(AnalysisJsonText(AnalyseText(u"Hello world.", EnglishVariant::Us, 0)));
    EXPECT_EQ(tooShort["variant"], "us");
    EXPECT_TRUE(tooShort["score"].is_null());
}

}  // namespace
