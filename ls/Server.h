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
#include "ls/WorkspaceFolders.h"

struct Server {
    bool initialized = false;
    bool shutDown = false;
    std::optional<int> exitStatus;  // set by "exit"
    PositionEncoding encoding = PositionEncoding::Utf16;
    bool clientWatchesFiles = false;   // it can watch .quillory.toml for us
    bool clientGivesSettings = false;  // it answers workspace/configuration
    EditorSettings initOptions;        // from initialize
    EditorSettings editor;  // the workspace's, pulled or pushed: key by key over initOptions
    std::vector<WorkspaceFolder> folders;
    std::string settingsWarning;  // the last one shown, not shown again while it holds
    ConfigFiles configFiles;
    std::map<std::string, OpenDocument> documents;  // by URI
    std::int64_t nextRequestId = 1;
    std::map<std::int64_t, std::string> asked;  // the method of each request not yet answered
    std::vector<std::string> outbox;            // JSON bodies, in order
};

void HandleMessage(Server& server, std::string_view body);

// A frame that could not be read (`reason` says why): whatever it changed is
// lost, so every open document is out of step with the editor.
void HandleUnreadFrame(Server& server, std::string_view reason);

// Checks every document changed since it was last published and publishes it:
// called when no message is waiting, so only the newest text is analysed.
void PublishPending(Server& server);

// "--help".
std::string_view ServerHelpText();
