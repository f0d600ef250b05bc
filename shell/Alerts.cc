#include "shell/Alerts.h"

#include <string>

#include "platform/Platform.h"

void ShowError(std::u16string_view message) {
    std::u16string text(message);
    text += u'\n';
    platform::ShowMessage(u"Error!", text, platform::AlertIcon::Stop);
}
