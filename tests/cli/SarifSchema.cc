#include "tests/cli/SarifSchema.h"

#include <algorithm>
#include <initializer_list>

namespace {

using Json = nlohmann::json;

struct Checker {
    std::vector<std::string> problems;

    void Fail(const std::string& where, const std::string& what) {
        problems.push_back(where + ": " + what);
    }

    bool Object(const Json& value, const std::string& where,
                std::initializer_list<const char*> required) {
        if (!value.is_object()) {
            Fail(where, "not an object");
            return false;
        }
        for (const char* key : required) {
            if (!value.contains(key)) {
                Fail(where, std::string("lacks required \"") + key + "\"");
            }
        }
        return true;
    }

    void OneOf(const Json& object, const char* key, const std::string& where,
               std::initializer_list<const char*> values) {
        if (!object.contains(key)) {
            return;
        }
        const Json& value = object[key];
        if (!value.is_string() ||
            std::none_of(values.begin(), values.end(),
                         [&value](const char* allowed) { return value == allowed; })) {
            Fail(where + "." + key, "not one of the allowed values");
        }
    }

    void AtLeast(const Json& object, const char* key, const std::string& where, int minimum) {
        if (object.contains(key) && (!object[key].is_number_integer() || object[key] < minimum)) {
            Fail(where + "." + key, "not an integer >= " + std::to_string(minimum));
        }
    }

    void Message(const Json& message, const std::string& where) {
        if (Object(message, where, {}) && !message.contains("text") && !message.contains("id")) {
            Fail(where, "has neither \"text\" nor \"id\"");
        }
    }

    void Location(const Json& location, const std::string& where) {
        if (!Object(location, where, {})) {
            return;
        }
        AtLeast(location, "id", where, -1);
        if (location.contains("message")) {
            Message(location["message"], where + ".message");
        }
        if (!location.contains("physicalLocation")) {
            return;
        }
        const Json& physical = location["physicalLocation"];
        const std::string at = where + ".physicalLocation";
        if (Object(physical, at, {}) && !physical.contains("artifactLocation") &&
            !physical.contains("address")) {
            Fail(at, "has neither \"artifactLocation\" nor \"address\"");
        }
        if (physical.contains("region")) {
            for (const char* key : {"startLine", "startColumn", "endLine", "endColumn"}) {
                AtLeast(physical["region"], key, at + ".region", 1);
            }
        }
    }

    void Result(const Json& result, const std::string& where) {
        if (!Object(result, where, {"message"})) {
            return;
        }
        Message(result["message"], where + ".message");
        AtLeast(result, "ruleIndex", where, -1);
        OneOf(result, "level", where, {"none", "note", "warning", "error"});
        OneOf(result, "kind", where,
              {"notApplicable", "pass", "fail", "review", "open", "informational"});
        OneOf(result, "baselineState", where, {"new", "unchanged", "updated", "absent"});
        if (result.contains("partialFingerprints")) {
            for (const auto& [name, value] : result["partialFingerprints"].items()) {
                if (!value.is_string()) {
                    Fail(where + ".partialFingerprints." + name, "not a string");
                }
            }
        }
        for (const char* key : {"locations", "relatedLocations"}) {
            for (std::size_t i = 0; i < result.value(key, Json::array()).size(); ++i) {
                Location(result[key][i], where + "." + key + "[" + std::to_string(i) + "]");
            }
        }
    }

    void Run(const Json& run, const std::string& where) {
        if (!Object(run, where, {"tool"})) {
            return;
        }
        const Json& tool = run["tool"];
        if (Object(tool, where + ".tool", {"driver"}) &&
            Object(tool["driver"], where + ".tool.driver", {"name"})) {
            const Json rules = tool["driver"].value("rules", Json::array());
            for (std::size_t i = 0; i < rules.size(); ++i) {
                const std::string at = where + ".tool.driver.rules[" + std::to_string(i) + "]";
                if (Object(rules[i], at, {"id"}) && rules[i].contains("defaultConfiguration")) {
                    OneOf(rules[i]["defaultConfiguration"], "level", at,
                          {"none", "note", "warning", "error"});
                }
            }
        }
        OneOf(run, "columnKind", where, {"utf16CodeUnits", "unicodeCodePoints"});
        const Json results = run.value("results", Json::array());
        for (std::size_t i = 0; i < results.size(); ++i) {
            Result(results[i], where + ".results[" + std::to_string(i) + "]");
        }
        const Json invocations = run.value("invocations", Json::array());
        for (std::size_t i = 0; i < invocations.size(); ++i) {
            const std::string at = where + ".invocations[" + std::to_string(i) + "]";
            if (!Object(invocations[i], at, {"executionSuccessful"})) {
                continue;
            }
            const Json notes = invocations[i].value("toolExecutionNotifications", Json::array());
            for (std::size_t n = 0; n < notes.size(); ++n) {
                const std::string note =
                    at + ".toolExecutionNotifications[" + std::to_string(n) + "]";
                if (Object(notes[n], note, {"message"})) {
                    Message(notes[n]["message"], note + ".message");
                    OneOf(notes[n], "level", note, {"none", "note", "warning", "error"});
                    for (std::size_t l = 0; l < notes[n].value("locations", Json::array()).size();
                         ++l) {
                        Location(notes[n]["locations"][l], note + ".locations");
                    }
                }
            }
        }
    }
};

}  // namespace

std::vector<std::string> SarifSchemaProblems(const Json& log) {
    Checker checker;
    if (checker.Object(log, "log", {"version", "runs"})) {
        if (log["version"] != "2.1.0") {
            checker.Fail("log.version", "not \"2.1.0\"");
        }
        if (!log["runs"].is_array()) {
            checker.Fail("log.runs", "not an array");
        } else {
            for (std::size_t i = 0; i < log["runs"].size(); ++i) {
                checker.Run(log["runs"][i], "runs[" + std::to_string(i) + "]");
            }
        }
    }
    return checker.problems;
}
