#pragma once

#include <string_view>

#include "platform/Platform.h"

// Every event of the editor: PrepareResultsArea, then for a change the live analysis.
void OnEditorEvent(platform::EventType type);
