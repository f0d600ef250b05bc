#pragma once

#include <string>
#include <string_view>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"

// The text with every space-separated token that is one of the paired spellings
// of the other variant replaced by this variant's, and outer spaces removed.
std::u16string NormalisedSpelling(std::u16string_view text, EnglishVariant variant);

// The same without removing outer spaces. A text cut before spaces is
// normalised piece by piece so: no token spans a cut.
std::u16string ReplacedSpellings(std::u16string_view text, EnglishVariant variant);

// Replaces the job's text with its normalised form.
void NormaliseSpelling(AnalysisJob& job, EnglishVariant variant);
