#pragma once

#include <string>
#include <string_view>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"

// The text with every space-separated token that is one of the paired spellings
// of the other variant replaced by this variant's, and outer spaces removed.
std::u16string NormalisedSpelling(std::u16string_view text, EnglishVariant variant);

// Replaces the job's text with its normalised form.
void NormaliseSpelling(AnalysisJob& job, EnglishVariant variant);
