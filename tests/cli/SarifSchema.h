#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

// What a log lacks or holds wrongly by the SARIF 2.1.0 schema: the required
// properties and the enumerations and minimums of every object quillory-cli
// writes. Empty for a valid log.
std::vector<std::string> SarifSchemaProblems(const nlohmann::json& log);
