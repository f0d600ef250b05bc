#pragma once

#include <string_view>

#include "engine/EnglishVariant.h"

// Whether anything worth analysing is left after CleanInput. An over-long text
// raises the length alert, enables Clear and disables Recommendations and
// Export, and still passes.
bool PassesInputGate(std::u16string_view text, EnglishVariant variant);

// The length alert, shown at most once per editor event however many checks
// find the text too long (OnEditorEvent allows the next one).
void AlertInputTooLong();
