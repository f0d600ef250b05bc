#include "ls/Server.h"

#include <algorithm>
#include <array>
#include <exception>
#include <utility>

#include <nlohmann/json.hpp>

#include "documents/AnalysisJson.h"
#include "documents/FileUri.h"
#include "documents/InputBytes.h"
#include "documents/SourceKind.h"
#include "engine/Utf8.h"
#include "product/Product.h"

namespace {

using Json = nlohmann::json;

constexpr int kParseError = -32700;
constexpr int kInvalidRequest = -32600;
constexpr int kMethodNotFound = -32601;
constexpr int kInvalidParams = -32602;
constexpr int kInternalError = -32603;
constexpr int kServerNotInitialized = -32002;

constexpr int kMessageWarning = 2;

constexpr int kTextDocumentSyncIncremental = 2;

// A handler's complaint about its params, answered as invalid params.
struct BadParams {
    std::string what;
};

void Send(Server& server, const Json& message) {
    server.outbox.push_back(message.dump(-1, ' ', false, Json::error_handler_t::replace));
}

void Respond(Server& server, const Json& id, Json result) {
    Send(server, {{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}});
}

void RespondError(Server& server, const Json& id, int code, std::string message) {
    Send(server, {{"jsonrpc", "2.0"},
                  {"id", id},
                  {"error", {{"code", code}, {"message", std::move(message)}}}});
}

void Notify(Server& server, std::string_view method, Json params) {
    Send(server, {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}});
}

void LogWarning(Server& server, std::string message) {
    Notify(server, "window/logMessage",
           {{"type", kMessageWarning}, {"message", std::move(message)}});
}

void ShowWarning(Server& server, std::string message) {
    Notify(server, "window/showMessage",
           {{"type", kMessageWarning}, {"message", std::move(message)}});
}

// A request of the server's own; its answer is matched by the id.
void Ask(Server& server, std::string method, Json params) {
    const std::int64_t id = server.nextRequestId++;
    Send(server,
         {{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", std::move(params)}});
    server.asked.emplace(id, std::move(method));
}

const Json& Member(const Json& object, std::string_view key) {
    static const Json kNone;
    if (!object.is_object()) {
        return kNone;
    }
    const auto found = object.find(key);
    return found == object.end() ? kNone : *found;
}

std::string StringMember(const Json& object, std::string_view key) {
    const Json& value = Member(object, key);
    if (!value.is_string()) {
        throw BadParams{std::string(key) + " must be a string"};
    }
    return value.get<std::string>();
}

std::int64_t IntegerMember(const Json& object, std::string_view key) {
    const Json& value = Member(object, key);
    if (!value.is_number_integer()) {
        throw BadParams{std::string(key) + " must be an integer"};
    }
    return value.get<std::int64_t>();
}

std::u16string Utf16Member(const Json& object, std::string_view key) {
    return DecodeUtf8(StringMember(object, key)).text;
}

std::string UriOf(const Json& params) {
    return StringMember(Member(params, "textDocument"), "uri");
}

OpenDocument* FindDocument(Server& server, const Json& params) {
    const auto found = server.documents.find(UriOf(params));
    return found == server.documents.end() ? nullptr : &found->second;
}

// A document changed since it was published is checked before it is read; one
// out of step has nothing to tell.
OpenDocument* CurrentDocument(Server& server, const Json& params) {
    OpenDocument* document = FindDocument(server, params);
    if (document != nullptr && document->outOfStep) {
        return nullptr;
    }
    if (document != nullptr && !document->checked) {
        PublishPending(server);
    }
    return document;
}

std::string FileName(const OpenDocument& document) {
    return document.path.empty() ? document.uri : document.path.string();
}

// The server no longer holds the editor's text: its marks go, and the user is
// told once, until the editor sends the whole text again.
void PutOutOfStep(Server& server, OpenDocument& document) {
    if (document.outOfStep) {
        return;
    }
    document.outOfStep = true;
    document.checked = true;
    document.text = MakeOpenText({});
    document.sentences.clear();
    document.findings.clear();
    Notify(server, "textDocument/publishDiagnostics",
           {{"uri", document.uri}, {"diagnostics", Json::array()}});
    ShowWarning(server, "quillory-ls: " + FileName(document) +
                            " is out of step with the editor; reopen it");
}

LspPosition PositionMember(const Json& object, std::string_view key) {
    const Json& position = Member(object, key);
    return {IntegerMember(position, "line"), IntegerMember(position, "character")};
}

void RecheckAll(Server& server) {
    for (auto& [uri, document] : server.documents) {
        document.checked = document.outOfStep;
    }
}

// Shown once, however often the same settings come again.
void ReportSettingsProblems(Server& server, const std::vector<std::string>& problems) {
    std::string warning;
    std::vector<std::string> said;
    for (const std::string& problem : problems) {
        if (std::find(said.begin(), said.end(), problem) == said.end()) {
            warning += (said.empty() ? "quillory-ls: " : "; ") + problem;
            said.push_back(problem);
        }
    }
    if (!warning.empty()) {
        warning += said.size() == 1 ? "; the setting stays as it was"
                                    : "; these settings stay as they were";
        if (warning != server.settingsWarning) {
            ShowWarning(server, warning);
        }
    }
    server.settingsWarning = std::move(warning);
}

// The settings the editor gives for the whole workspace.
void SetWorkspaceSettings(Server& server, const Json& section, std::vector<std::string>& problems) {
    EditorSettings settings = ReadEditorSettings(section, server.editor, problems);
    if (settings != server.editor) {
        server.editor = settings;
        RecheckAll(server);
    }
}

void AskForSettings(Server& server) {
    if (server.clientGivesSettings) {
        Ask(server, "workspace/configuration", {{"items", ConfigurationItems(server.folders)}});
    }
}

// Null answers an item the editor has no settings for: those held stay.
void OnSettingsAnswer(Server& server, const Json& result) {
    if (!result.is_array()) {
        LogWarning(server, "quillory-ls: workspace/configuration answered " + result.dump() +
                               " where a list was expected");
        return;
    }
    if (std::all_of(result.begin(), result.end(),
                    [](const Json& item) { return item.is_null(); })) {
        return;
    }
    std::vector<std::string> problems;
    if (server.folders.size() < 2) {
        if (!result[0].is_null()) {
            SetWorkspaceSettings(server, result[0], problems);
        }
    } else {
        bool changed = false;
        for (std::size_t i = 0; i < std::min(result.size(), server.folders.size()); ++i) {
            WorkspaceFolder& folder = server.folders[i];
            if (result[i].is_null()) {
                continue;
            }
            EditorSettings settings =
                ReadEditorSettings(result[i], folder.editor.value_or(server.editor), problems);
            changed = changed || folder.editor != settings;
            folder.editor = settings;
        }
        if (changed) {
            RecheckAll(server);
        }
    }
    ReportSettingsProblems(server, problems);
}

// An answer to the server's own request; one it never asked, or asked and had
// answered already, is dropped.
void HandleResponse(Server& server, const Json& id, const Json& message) {
    const auto found =
        id.is_number_integer() ? server.asked.find(id.get<std::int64_t>()) : server.asked.end();
    if (found == server.asked.end()) {
        return;
    }
    const std::string method = std::move(found->second);
    server.asked.erase(found);
    if (message.contains("error")) {
        LogWarning(server, "quillory-ls: the editor refused " + method + ": " +
                               Member(message, "error").dump());
    } else if (method == "workspace/configuration") {
        OnSettingsAnswer(server, Member(message, "result"));
    }
}

constexpr std::array<std::pair<std::string_view, PositionEncoding>, 3> kEncodings = {{
    {"utf-8", PositionEncoding::Utf8},
    {"utf-16", PositionEncoding::Utf16},
    {"utf-32", PositionEncoding::Utf32},
}};

std::string_view EncodingName(PositionEncoding encoding) {
    for (const auto& [name, value] : kEncodings) {
        if (value == encoding) {
            return name;
        }
    }
    return "utf-16";
}

// The first of the client's encodings that is known here; UTF-16 where none is.
PositionEncoding ChooseEncoding(const Json& offered) {
    if (offered.is_array()) {
        for (const Json& name : offered) {
            for (const auto& [known, encoding] : kEncodings) {
                if (name.is_string() && name.get<std::string>() == known) {
                    return encoding;
                }
            }
        }
    }
    return PositionEncoding::Utf16;
}

Json OnInitialize(Server& server, const Json& params) {
    const Json& capabilities = Member(params, "capabilities");
    server.encoding = ChooseEncoding(Member(Member(capabilities, "general"), "positionEncodings"));
    const Json& workspace = Member(capabilities, "workspace");
    server.clientWatchesFiles =
        Member(Member(workspace, "didChangeWatchedFiles"), "dynamicRegistration") == true;
    server.clientGivesSettings = Member(workspace, "configuration") == true;
    server.folders = ReadWorkspaceFolders(params);
    if (const Json& options = Member(Member(params, "initializationOptions"), "quillory");
        !options.is_null()) {
        std::vector<std::string> problems;
        server.initOptions = ReadEditorSettings(options, {}, problems);
        ReportSettingsProblems(server, problems);
    }
    server.initialized = true;
    return {{"capabilities",
             {{"positionEncoding", EncodingName(server.encoding)},
              {"textDocumentSync", {{"openClose", true}, {"change", kTextDocumentSyncIncremental}}},
              {"hoverProvider", true},
              {"codeLensProvider", {{"resolveProvider", false}}}}},
            {"serverInfo", {{"name", "quillory-ls"}, {"version", kVersionUtf8}}}};
}

void OnInitialized(Server& server, const Json& /*params*/) {
    // Documents opened meanwhile are checked with the settings held; the answer rechecks them.
    AskForSettings(server);
    if (!server.clientWatchesFiles) {
        return;  // the file is read again on each change instead
    }
    const Json watcher = {{"globPattern", "**/.quillory.toml"}};
    Ask(server, "client/registerCapability",
        {{"registrations",
          Json::array({{{"id", "quillory-config"},
                        {"method", "workspace/didChangeWatchedFiles"},
                        {"registerOptions", {{"watchers", Json::array({watcher})}}}}})}});
}

Json OnShutdown(Server& server, const Json& /*params*/) {
    server.shutDown = true;
    return nullptr;
}

void OnExit(Server& server, const Json& /*params*/) {
    server.exitStatus = server.shutDown ? 0 : 1;
}

void OnDidOpen(Server& server, const Json& params) {
    const Json& item = Member(params, "textDocument");
    OpenDocument document;
    document.uri = StringMember(item, "uri");
    document.path = LocalPathOfFileUri(document.uri).value_or(std::string());
    const Json& language = Member(item, "languageId");
    document.kind =
        SourceKindOf(document.path.empty() ? std::filesystem::path(document.uri) : document.path);
    if (document.kind == SourceKind::Text && language.is_string()) {
        const std::string& name = language.get_ref<const std::string&>();
        document.kind = name == "markdown" ? SourceKind::Markdown
                        : name == "mdx"    ? SourceKind::Mdx
                                           : SourceKind::Text;
    }
    document.version = IntegerMember(item, "version");
    document.text = MakeOpenText(Utf16Member(item, "text"));
    server.documents.insert_or_assign(document.uri, std::move(document));
}

// After a change that cannot be applied, only a whole text that follows it
// brings the document back in step: nothing is kept to fall back on.
void ApplyChanges(Server& server, OpenDocument& document, const Json& params) {
    const Json& changes = Member(params, "contentChanges");
    if (!changes.is_array()) {
        throw BadParams{"contentChanges must be an array"};
    }
    const std::int64_t version = IntegerMember(Member(params, "textDocument"), "version");
    bool inStep = !document.outOfStep;
    for (const Json& change : changes) {
        const Json& range = Member(change, "range");
        if (!range.is_object()) {
            document.text = MakeOpenText(Utf16Member(change, "text"));
            inStep = true;
            continue;
        }
        if (!inStep) {
            continue;
        }
        const LspRange place{PositionMember(range, "start"), PositionMember(range, "end")};
        if (!ApplyChange(document.text, place, Utf16Member(change, "text"), server.encoding)) {
            LogWarning(server, "quillory-ls: refused a change to " + document.uri + " (version " +
                                   std::to_string(version) +
                                   "): its range is outside the text or inside a character");
            inStep = false;
        }
    }
    // Edits may grow a document past what any frame could have brought whole.
    if (inStep && document.text.text.size() > kMaxDocumentBytes) {
        LogWarning(server, "quillory-ls: " + document.uri + " grew past the " +
                               Mebibytes(kMaxDocumentBytes) + " limit");
        inStep = false;
    }
    if (!inStep) {
        PutOutOfStep(server, document);
        return;
    }
    document.version = version;
    document.checked = false;
    document.outOfStep = false;
}

void OnDidChange(Server& server, const Json& params) {
    OpenDocument* document = FindDocument(server, params);
    if (document == nullptr) {
        LogWarning(server,
                   "quillory-ls: a change to a document that is not open: " + UriOf(params));
        return;
    }
    try {
        ApplyChanges(server, *document, params);
    } catch (const BadParams&) {
        PutOutOfStep(server, *document);  // the change is lost all the same
        throw;
    }
}

void OnDidClose(Server& server, const Json& params) {
    const std::string uri = UriOf(params);
    if (server.documents.erase(uri) > 0) {
        Notify(server, "textDocument/publishDiagnostics",
               {{"uri", uri}, {"diagnostics", Json::array()}});
    }
}

// The payload may carry the settings, or nothing: the editor is asked either way.
void OnDidChangeConfiguration(Server& server, const Json& params) {
    // Settings meant for other servers leave ours as they are.
    if (const Json& section = Member(Member(params, "settings"), "quillory"); !section.is_null()) {
        std::vector<std::string> problems;
        SetWorkspaceSettings(server, section, problems);
        ReportSettingsProblems(server, problems);
    }
    AskForSettings(server);
}

void OnDidChangeWatchedFiles(Server& server, const Json& /*params*/) {
    RecheckAll(server);
}

Json OnHover(Server& server, const Json& params) {
    const OpenDocument* document = CurrentDocument(server, params);
    if (document == nullptr) {
        return nullptr;
    }
    const std::optional<std::size_t> offset =
        OffsetOf(document->text, PositionMember(params, "position"), server.encoding);
    return offset ? Hover(*document, *offset, server.encoding) : Json(nullptr);
}

Json OnCodeLens(Server& server, const Json& params) {
    const OpenDocument* document = CurrentDocument(server, params);
    return document == nullptr ? Json::array() : CodeLenses(*document);
}

Json OnDocumentFigures(Server& server, const Json& params) {
    const OpenDocument* document = CurrentDocument(server, params);
    if (document == nullptr) {
        return nullptr;
    }
    const DocumentAnalysis analysis = AnalyseOpenDocument(*document, {.fullAnalysis = true});
    return analysis.figures.hasText ? Json(AnalysisJson(analysis.analysis)) : Json(nullptr);
}

using RequestHandler = Json (*)(Server&, const Json&);
using NotificationHandler = void (*)(Server&, const Json&);

constexpr std::array<std::pair<std::string_view, RequestHandler>, 5> kRequests = {{
    {"initialize", OnInitialize},
    {"shutdown", OnShutdown},
    {"textDocument/hover", OnHover},
    {"textDocument/codeLens", OnCodeLens},
    {"quillory/documentFigures", OnDocumentFigures},
}};

constexpr std::array<std::pair<std::string_view, NotificationHandler>, 7> kNotifications = {{
    {"initialized", OnInitialized},
    {"exit", OnExit},
    {"textDocument/didOpen", OnDidOpen},
    {"textDocument/didChange", OnDidChange},
    {"textDocument/didClose", OnDidClose},
    {"workspace/didChangeConfiguration", OnDidChangeConfiguration},
    {"workspace/didChangeWatchedFiles", OnDidChangeWatchedFiles},
}};

void HandleRequest(Server& server, const std::string& method, const Json& id, const Json& params) {
    if (!server.initialized && method != "initialize") {
        RespondError(server, id, kServerNotInitialized, "the server is not initialized");
        return;
    }
    if (server.shutDown || (server.initialized && method == "initialize")) {
        RespondError(server, id, kInvalidRequest,
                     server.shutDown ? "the server is shutting down" : "already initialized");
        return;
    }
    for (const auto& [name, handler] : kRequests) {
        if (name == method) {
            try {
                Respond(server, id, handler(server, params));
            } catch (const BadParams& bad) {
                RespondError(server, id, kInvalidParams, bad.what);
            } catch (const std::exception& failure) {
                RespondError(server, id, kInternalError, failure.what());
            }
            return;
        }
    }
    RespondError(server, id, kMethodNotFound, "unknown method: " + method);
}

void HandleNotification(Server& server, const std::string& method, const Json& params) {
    if (!server.initialized && method != "exit") {
        return;
    }
    for (const auto& [name, handler] : kNotifications) {
        if (name == method) {
            try {
                handler(server, params);
            } catch (const BadParams& bad) {
                LogWarning(server, "quillory-ls: " + method + " ignored: " + bad.what);
            } catch (const std::exception& failure) {
                LogWarning(server, "quillory-ls: " + method + " failed: " + failure.what());
            }
            return;
        }
    }
}

}  // namespace

void HandleMessage(Server& server, std::string_view body) {
    const Json message = Json::parse(body, nullptr, false);
    if (message.is_discarded()) {
        RespondError(server, nullptr, kParseError, "invalid JSON");
        HandleUnreadFrame(server, "invalid JSON");
        return;
    }
    const Json& method = Member(message, "method");
    const Json& id = Member(message, "id");
    const bool validId = id.is_string() || id.is_number_integer();
    if (!method.is_string()) {
        if (validId && (message.contains("result") || message.contains("error"))) {
            HandleResponse(server, id, message);
        } else {
            RespondError(server, validId ? id : Json(nullptr), kInvalidRequest,
                         "not a request or notification");
        }
        return;
    }
    const Json& params = Member(message, "params");
    if (message.contains("id")) {
        if (!validId) {
            RespondError(server, nullptr, kInvalidRequest, "the id must be a string or integer");
            return;
        }
        HandleRequest(server, method.get<std::string>(), id, params);
    } else {
        HandleNotification(server, method.get<std::string>(), params);
    }
}

void HandleUnreadFrame(Server& server, std::string_view reason) {
    ShowWarning(server, "quillory-ls: refused a message: " + std::string(reason));
    for (auto& [uri, document] : server.documents) {
        PutOutOfStep(server, document);
    }
}

void PublishPending(Server& server) {
    for (auto& [uri, document] : server.documents) {
        if (document.checked) {
            continue;
        }
        try {
            const EditorSettings& workspace =
                EditorSettingsFor(server.folders, server.editor, document.path);
            CheckOpenDocument(document, Overlaid(workspace, server.initOptions),
                              server.configFiles);
        } catch (const std::exception& failure) {
            // Out of memory on one huge document: the server and the others go on.
            LogWarning(server, "quillory-ls: cannot check " + uri + ": " + failure.what());
            document.checked = true;
            continue;
        }
        Notify(server, "textDocument/publishDiagnostics",
               {{"uri", uri},
                {"version", document.version},
                {"diagnostics", Diagnostics(document, server.encoding)}});
    }
}

std::string_view ServerHelpText() {
    return "usage: quillory-ls [--stdio]\n"
           "\n"
           "A language server (LSP 3.17) over standard input and output: it marks long\n"
           "sentences in the documents an editor opens, as the Quillory window marks them,\n"
           "with thresholds from the nearest .quillory.toml. Editors start it themselves;\n"
           "see the README's \"In your editor\".\n"
           "\n"
           "  --stdio     accepted for clients that pass it; standard input is always used\n"
           "  --help      show this text\n"
           "  --version   show the version\n";
}
