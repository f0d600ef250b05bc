#pragma once

// A configuration as the README shows it, so that the editors' tests run the
// very text a reader pastes.

#include <string>
#include <string_view>

// The indented block after the README line that starts with `heading`, its
// indent taken off; empty where there is none.
std::string ReadmeBlock(std::string_view heading);
