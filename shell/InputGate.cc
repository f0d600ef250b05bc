#include "shell/InputGate.h"

#include "engine/InputValidation.h"
#include "platform/Platform.h"
#include "shell/Alerts.h"
#include "shell/ControlNumbers.h"
#include "shell/ShellState.h"

bool PassesInputGate(std::u16string_view text, EnglishVariant variant) {
    // Within the limit only emptiness is in question, settled at the first
    // letter instead of by a copy of the whole text on every key.
    if (text.size() <= kMaxInputLength) {
        return HoldsAnalysableText(text, variant);
    }
    const CleanedInput cleaned = CleanInput(text, variant);
    if (cleaned.exceededLimit) {
        AlertInputTooLong();
        platform::SetControlEnabled(kClearButton, true);
        platform::SetControlEnabled(kRecommendationsButton, false);
        platform::SetControlEnabled(kExportButton, false);
    }
    return !cleaned.text.empty();
}

void AlertInputTooLong() {
    if (shell.lengthAlertDue) {
        shell.lengthAlertDue = false;
        ShowError(kInputTooLongMessage);
    }
}
