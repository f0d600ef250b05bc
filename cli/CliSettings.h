#pragma once

#include <filesystem>
#include <optional>

#include "cli/CliOptions.h"
#include "cli/InputFiles.h"
#include "documents/DocumentAnalysis.h"
#include "documents/DocumentConfig.h"
#include "documents/Thresholds.h"
#include "engine/EnglishVariant.h"

// What a run uses: the command line over the configuration file over the defaults.
struct CliSettings {
    EnglishVariant variant = EnglishVariant::Us;
    int scenario = 0;
    Thresholds thresholds;
    bool lengthLimit = false;  // each text held to the window's length
    bool perSection = false;
    FileSelection selection;
};

// `configFolder` is the configuration file's folder, which its globs are relative
// to; empty where there is none.
CliSettings MergeCliSettings(const CliOptions& options, const DocumentConfig& config,
                             const std::filesystem::path& configFolder);

// The settings a document is analysed with.
ProseSettings ProseSettingsOf(const CliSettings& settings);
