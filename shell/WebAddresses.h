#pragma once

#include <string>
#include <string_view>

// The maker's web server is fixed when the program is built (QUILLORY_MAKER_ADDRESS).
inline constexpr std::string_view kMakerAddress = QUILLORY_MAKER_ADDRESS;
inline constexpr std::string_view kOtherAppsPath = "/apps";
inline constexpr std::string_view kHelpDocumentPath = "/apps/Quillory.pdf";
inline constexpr std::string_view kVersionFilePath = "/resources/Quillory.udt";
inline constexpr std::string_view kDownloadPath = "/resources/Quillory_Universal.zip";
inline constexpr std::string_view kDonationAddress = "https://www.buymeacoffee.com/velmoor";

inline std::string MakerPage(std::string_view path) {
    return std::string(kMakerAddress).append(path);
}
