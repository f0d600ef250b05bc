#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kMakerAddress = "https://velmoor.com";
inline constexpr std::string_view kOtherAppsPath = "/apps";
inline constexpr std::string_view kHelpDocumentPath = "/apps/Quillory.pdf";
inline constexpr std::string_view kDonationAddress = "https://www.buymeacoffee.com/velmoor";

inline std::string MakerPage(std::string_view path) {
    return std::string(kMakerAddress).append(path);
}
