#pragma once

#include <string_view>

#include "engine/EnglishVariant.h"

// The qualitative label of a measure. Keys: "FKEase", "FKGrade", "CLI", "ARI",
// "SMOG", "LIX", "GunningFog", "ReadingTime", "SpeakingTime"; any other key gets
// the unknown-metric label.
std::u16string_view InterpretMetric(std::string_view key, double value, EnglishVariant variant);
