#pragma once

#include <array>
#include <string_view>

// A scenario is the index of the Scenario drop-down's selected item.
inline constexpr int kScenarioCount = 7;

inline constexpr std::array<std::u16string_view, kScenarioCount> kScenarioNames = {
    u"General Content", u"Creative Writing", u"Technical Document", u"Academic Paper",
    u"Blog Post",       u"Legal Document",   u"News Article",
};

constexpr bool IsValidScenario(int scenario) {
    return scenario >= 0 && scenario < kScenarioCount;
}
