#include "engine/ReadingRates.h"

#include <array>

#include "engine/Scenario.h"

namespace {

struct ScenarioRates {
    ReadingRates us;
    ReadingRates uk;
};

constexpr std::array<ScenarioRates, kScenarioCount> kRateTable = {{
    {{200, 120}, {180, 110}},
    {{220, 130}, {200, 120}},
    {{150, 100}, {150, 90}},
    {{160, 150}, {140, 85}},
    {{120, 80}, {170, 120}},
    {{130, 110}, {120, 80}},
    {{120, 120}, {150, 100}},
}};

}  // namespace

ReadingRates RatesForScenario(int scenario, EnglishVariant variant) {
    if (!IsValidScenario(scenario)) {
        return ReadingRates{};
    }
    const ScenarioRates& row = kRateTable[static_cast<std::size_t>(scenario)];
    return variant == EnglishVariant::Uk ? row.uk : row.us;
}
