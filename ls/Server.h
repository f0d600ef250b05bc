#pragma once

// The language server's state and its one dispatcher: each message is handled
// by a named handler for its method; what goes back to the client collects in
// the outbox.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ls/OpenDocument.h"
#include "ls/OpenText.h"
#include "ls/ServerSettings.h"

struct Server {
    bool initialized = false;
    bool shutDown = false;
    std::optional<int> exitStatus;  // set by "exit"
    PositionEncoding encoding = PositionEncoding::Utf16;
    bool clientWatchesFiles = false;  // it can watch .quillory.toml for us
    EditorSettings editor;
    ConfigFiles configFiles;
    std::map<std::string, OpenDocument> documents;  // by URI
    std::int64_t nextRequestId = 1;
    std::vector<std::string> outbox;  // JSON bodies, in order
};

void HandleMessage(Server& server, std::string_view body);

// Checks every document changed since it was last published and publishes it:
// called when no message is waiting, so only the newest text is analysed.
void PublishPending(Server& server);

// "--help".
std::string_view ServerHelpText();
