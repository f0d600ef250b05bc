#pragma once

#include <string_view>

// The stop alert titled "Error!", with a line feed after the message.
void ShowError(std::u16string_view message);
