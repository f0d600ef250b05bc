#include "cli/CliSentences.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

namespace {

using Json = nlohmann::ordered_json;

std::string SentencesOf(const std::u16string& text, EnglishVariant variant, int scenario) {
    ProseSettings settings;
    settings.variant = variant;
    settings.scenario = scenario;
    return CliSentencesText(AnalyseDocument(PlainTextProse(text), settings, {.sentences = true}),
                            text);
}

// Words of one syllable each, then a full stop.
std::u16string Sentence(int words) {
    std::u16string text;
    for (int word = 0; word < words; ++word) {
        text += word == 0 ? u"One" : u" cat";
    }
    return text + u". ";
}

TEST(CliSentencesTest, ExactObjectAcrossLineEndsAPairAndARespelling) {
    // "colour" is respelt one unit shorter: every offset after it stays in the
    // input's own units. The emoji is one column, the CR LF one line end.
    const std::u16string text =
        u" The colour is red.\r\nIt fades\rslowly. \U0001F600 Why? Done now.\n";
    EXPECT_EQ(SentencesOf(text, EnglishVariant::Us, 0),
              R"({"grade":0.5006818181818211,"score":40.87252209595958,"maxSentenceLength":20,)"
              R"("sentences":[)"
              R"({"start":1,"end":21,"line":1,"column":2,"words":4,"sentences":1,"syllables":5,)"
              R"("complexWords":0,"longWords":0,"grade":0.7199999999999989,"level":"none",)"
              R"("gradeWithout":0.49142857142857466,"scoreWithout":40.28915343915344},)"
              R"({"start":21,"end":38,"line":2,"column":1,"words":3,"sentences":1,"syllables":5,)"
              R"("complexWords":0,"longWords":0,"grade":5.246666666666666,"level":"none",)"
              R"("gradeWithout":0.0,"scoreWithout":37.57648148148149},)"
              R"({"start":38,"end":46,"line":3,"column":9,"words":2,"sentences":1,"syllables":1,)"
              R"("complexWords":0,"longWords":0,"grade":0.0,"level":"none",)"
              R"("gradeWithout":2.624444444444446,"scoreWithout":45.01916666666666},)"
              R"({"start":46,"end":56,"line":3,"column":16,"words":2,"sentences":1,"syllables":3,)"
              R"("complexWords":0,"longWords":0,"grade":2.890000000000004,"level":"none",)"
              R"("gradeWithout":0.002222222222224346,"scoreWithout":40.31916666666666}]})"
              "\n");
}

TEST(CliSentencesTest, NullsWhereATextIsTooShortToScore) {
    const Json one = Json::parse(SentencesOf(u"Hello world.", EnglishVariant::Us, 0));
    EXPECT_TRUE(one["score"].is_null());
    ASSERT_EQ(one["sentences"].size(), 1U);
    EXPECT_TRUE(one["sentences"][0]["scoreWithout"].is_null());
    EXPECT_EQ(one["sentences"][0]["gradeWithout"], 0.0);

    // Blanks are analysed, as the other formats analyse them: nothing to cut.
    EXPECT_EQ(SentencesOf(u"   ", EnglishVariant::Uk, 3),
              R"({"grade":0.0,"score":null,"maxSentenceLength":28,"sentences":[]})"
              "\n");
}

TEST(CliSentencesTest, LevelsFollowTheScenarioAndVariant) {
    // Technical Document aims at 15 words in US English and 18 in UK English.
    const std::u16string text = Sentence(15) + Sentence(16) + Sentence(22) + Sentence(23);
    const Json us = Json::parse(SentencesOf(text, EnglishVariant::Us, 2));
    EXPECT_EQ(us["maxSentenceLength"], 15);
    ASSERT_EQ(us["sentences"].size(), 4U);
    EXPECT_EQ(us["sentences"][0]["level"], "none");
    EXPECT_EQ(us["sentences"][1]["level"], "long");
    EXPECT_EQ(us["sentences"][2]["level"], "long");
    EXPECT_EQ(us["sentences"][3]["level"], "veryLong");
    EXPECT_EQ(us["sentences"][3]["words"], 23);
    EXPECT_FALSE(us["score"].is_null());

    const Json uk = Json::parse(SentencesOf(text, EnglishVariant::Uk, 2));
    EXPECT_EQ(uk["maxSentenceLength"], 18);
    EXPECT_EQ(uk["sentences"][1]["level"], "none");
    EXPECT_EQ(uk["sentences"][3]["level"], "long");

    EXPECT_EQ(Json::parse(SentencesOf(text, EnglishVariant::Us, 0))["sentences"][1]["level"],
              "none");
}

}  // namespace
