#include "ls/Server.h"

#include <array>
#include <exception>
#include <utility>

#include <nlohmann/json.hpp>

#include "documents/AnalysisJson.h"
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

constexpr int kLogWarning = 2;

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
    Notify(server, "window/logMessage", {{"type", kLogWarning}, {"message", std::move(message)}});
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

// A document changed since it was published is checked before it is read.
OpenDocument* CurrentDocument(Server& server, const Json& params) {
    OpenDocument* document = FindDocument(server, params);
    if (document != nullptr && !document->checked) {
        PublishPending(server);
    }
    return document;
}

LspPosition PositionMember(const Json& object, std::string_view key) {
    const Json& position = Member(object, key);
    return {IntegerMember(position, "line"), IntegerMember(position, "character")};
}

void RecheckAll(Server& server) {
    for (auto& [uri, document] : server.documents) {
        document.checked = false;
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
    server.clientWatchesFiles =
        Member(Member(Member(capabilities, "workspace"), "didChangeWatchedFiles"),
               "dynamicRegistration") == true;
    server.editor = ReadEditorSettings(Member(params, "initializationOptions"));
    server.initialized = true;
    return {{"capabilities",
             {{"positionEncoding", EncodingName(server.encoding)},
              {"textDocumentSync", {{"openClose", true}, {"change", kTextDocumentSyncIncremental}}},
              {"hoverProvider", true},
              {"codeLensProvider", {{"resolveProvider", false}}}}},
            {"serverInfo", {{"name", "quillory-ls"}, {"version", kVersionUtf8}}}};
}

void OnInitialized(Server& server, const Json& /*params*/) {
    if (!server.clientWatchesFiles) {
        return;  // the file is read again on each change instead
    }
    const Json watcher = {{"globPattern", "**/.quillory.toml"}};
    Send(server,
         {{"jsonrpc", "2.0"},
          {"id", server.nextRequestId++},
          {"method", "client/registerCapability"},
          {"params",
           {{"registrations",
             Json::array({{{"id", "quillory-config"},
                           {"method", "workspace/didChangeWatchedFiles"},
                           {"registerOptions", {{"watchers", Json::array({watcher})}}}}})}}}});
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
    document.path = PathOfUri(document.uri);
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

void OnDidChange(Server& server, const Json& params) {
    OpenDocument* document = FindDocument(server, params);
    if (document == nullptr) {
        LogWarning(server, "quillory: a change to a document that is not open: " + UriOf(params));
        return;
    }
    const Json& changes = Member(params, "contentChanges");
    if (!changes.is_array()) {
        throw BadParams{"contentChanges must be an array"};
    }
    const std::int64_t version = IntegerMember(Member(params, "textDocument"), "version");
    // All or none: a refused change leaves the last good text.
    OpenText text = document->text;
    for (const Json& change : changes) {
        std::optional<LspRange> range;
        if (Member(change, "range").is_object()) {
            range = LspRange{PositionMember(Member(change, "range"), "start"),
                             PositionMember(Member(change, "range"), "end")};
        }
        if (!ApplyChange(text, range, Utf16Member(change, "text"), server.encoding)) {
            LogWarning(server, "quillory: refused a change outside " + document->uri +
                                   " (version " + std::to_string(version) +
                                   "); the last good text is kept");
            return;
        }
    }
    document->text = std::move(text);
    document->version = version;
    document->checked = false;
}

void OnDidClose(Server& server, const Json& params) {
    const std::string uri = UriOf(params);
    if (server.documents.erase(uri) > 0) {
        Notify(server, "textDocument/publishDiagnostics",
               {{"uri", uri}, {"diagnostics", Json::array()}});
    }
}

void OnDidChangeConfiguration(Server& server, const Json& params) {
    // Settings meant for other servers leave ours as they are.
    if (Member(Member(params, "settings"), "quillory").is_object()) {
        server.editor = ReadEditorSettings(Member(params, "settings"));
        RecheckAll(server);
    }
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
    ProseCheck check =
        CheckProse(ProseOf(*document), document->settings.prose, {.fullAnalysis = true});
    return check.hasText ? Json(AnalysisJson(check.analysis)) : Json(nullptr);
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
                LogWarning(server, "quillory: " + method + " ignored: " + bad.what);
            } catch (const std::exception& failure) {
                LogWarning(server, "quillory: " + method + " failed: " + failure.what());
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
        return;
    }
    const Json& method = Member(message, "method");
    const Json& id = Member(message, "id");
    const bool validId = id.is_string() || id.is_number_integer();
    if (!method.is_string()) {
        // A reply to the server's own request, or nothing that can be answered but as invalid.
        if (!validId || (!message.contains("result") && !message.contains("error"))) {
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

void PublishPending(Server& server) {
    for (auto& [uri, document] : server.documents) {
        if (document.checked) {
            continue;
        }
        try {
            CheckOpenDocument(document, server.editor, server.configFiles);
        } catch (const std::exception& failure) {
            // Out of memory on one huge document: the server and the others go on.
            LogWarning(server, "quillory: cannot check " + uri + ": " + failure.what());
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
