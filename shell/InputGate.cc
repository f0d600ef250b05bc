#include "shell/InputGate.h"

#include "engine/InputValidation.h"
#include "platform/Platform.h"
#include "results/ControlNumbers.h"
#include "shell/Alerts.h"
#include "shell/ShellState.h"

bool PassesInputGate(std::u16string_view text, EnglishVariant variant) {
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
