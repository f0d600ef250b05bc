#include "documents/SettingValue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

SettingValue Text(std::string_view text) {
    return {.text = text, .wholeNumber = std::nullopt};
}

SettingValue Number(std::int64_t number) {
    return {.text = std::nullopt, .wholeNumber = number};
}

constexpr SettingValue kOtherKind{};  // a float, a list, a flag

TEST(SettingValueTest, VariantAndScenarioTakeTheirNamesAndTheScenarioItsNumber) {
    EXPECT_EQ(ReadVariantSetting(Text("uk")), EnglishVariant::Uk);
    EXPECT_FALSE(ReadVariantSetting(Text("UK")));
    EXPECT_FALSE(ReadVariantSetting(Number(1)));

    EXPECT_EQ(ReadScenarioSetting(Text("Blog Post")), 4);
    EXPECT_EQ(ReadScenarioSetting(Text("6")), 6);
    EXPECT_EQ(ReadScenarioSetting(Number(6)), 6);
    for (const SettingValue& bad : {Number(7), Number(-1), Text("blog post"), kOtherKind}) {
        EXPECT_FALSE(ReadScenarioSetting(bad));
    }
    EXPECT_EQ(ScenarioForms(), "a scenario's number 0-6 or its name");
}

TEST(SettingValueTest, SentenceWordLimitTakesANumberAsNumberOrTextAndTheScenario) {
    EXPECT_EQ(ReadSentenceWordLimitSetting(Number(12))->words, 12);
    EXPECT_EQ(ReadSentenceWordLimitSetting(Text("025"))->words, 25);
    EXPECT_TRUE(ReadSentenceWordLimitSetting(Text("scenario"))->scenarioAim);
    const std::int64_t beyondInt = std::int64_t{std::numeric_limits<int>::max()} + 1;
    for (const SettingValue& bad : {Number(0), Number(beyondInt), kOtherKind}) {
        EXPECT_FALSE(ReadSentenceWordLimitSetting(bad));
    }
    // As the command line takes it too.
    for (const std::string_view bad :
         {"", "0", "-3", "+3", "12x", "12 ", " 5", "Scenario", "9999999999"}) {
        EXPECT_FALSE(ReadSentenceWordLimitSetting(Text(bad))) << bad;
    }
}

}  // namespace
