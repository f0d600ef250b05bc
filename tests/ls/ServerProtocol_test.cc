// The server through its own standard input and output: framing, lifecycle,
// errors, encodings and settings.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/Utf8.h"
#include "tests/cli/RunCli.h"
#include "tests/ls/EditorClients.h"
#include "testsupport/ServerProcess.h"
#include "testsupport/TemporaryFolder.h"

namespace {

using Json = nlohmann::json;

const std::string kLongSentence =
    "This sentence keeps going well past any reasonable length because it lists one thing "
    "after another and then another, never stopping to let the reader breathe or think.";

struct Session {
    TemporaryFolder folder;
    ServerProcess server = StartServer(QUILLORY_LS_PATH, folder / "stderr");
};

Json Request(int id, const std::string& method, Json params = Json::object()) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", std::move(params)}};
}

Json Notification(const std::string& method, Json params) {
    return {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

Json Initialize(ServerProcess& server, Json capabilities = Json::object(), Json options = nullptr) {
    Send(server, Request(1, "initialize",
                         {{"capabilities", std::move(capabilities)},
                          {"initializationOptions", std::move(options)}}));
    const std::optional<Json> response = Response(server, 1);
    Send(server, Notification("initialized", Json::object()));
    return response ? (*response)["result"] : Json();
}

void Open(ServerProcess& server, const std::string& uri, const std::string& text,
          const std::string& language = "plaintext") {
    Send(server, Notification(
                     "textDocument/didOpen",
                     {{"textDocument",
                       {{"uri", uri}, {"languageId", language}, {"version", 1}, {"text", text}}}}));
}

Json Diagnostics(ServerProcess& server, const std::string& uri, int version) {
    const std::optional<Json> message = WaitFor(server, [&](const Json& m) {
        return m.value("method", "") == "textDocument/publishDiagnostics" &&
               m["params"]["uri"] == uri && m["params"].value("version", -1) == version;
    });
    return message ? (*message)["params"]["diagnostics"] : Json();
}

// What came before the response to `id`: a request sent just before the
// response is awaited shows that nothing else was sent meanwhile.
std::vector<Json> MessagesBefore(ServerProcess& server, int id) {
    std::vector<Json> before;
    while (std::optional<Json> message = NextMessage(server)) {
        if (message->value("id", Json()) == id && !message->contains("method")) {
            return before;
        }
        before.push_back(std::move(*message));
    }
    ADD_FAILURE() << "no response " << id;
    return before;
}

std::vector<std::string> Methods(const std::vector<Json>& messages) {
    std::vector<std::string> methods;
    for (const Json& message : messages) {
        methods.push_back(message.value("method", "(response)"));
    }
    return methods;
}

std::string ShownMessage(ServerProcess& server) {
    const std::optional<Json> shown = WaitFor(
        server, [](const Json& m) { return m.value("method", "") == "window/showMessage"; });
    return shown ? (*shown)["params"]["message"].get<std::string>() : "(none)";
}

Json Position(int line, int character) {
    return {{"line", line}, {"character", character}};
}

Json Change(int version, const std::string& uri, Json start, Json end, const std::string& text) {
    return Notification(
        "textDocument/didChange",
        {{"textDocument", {{"uri", uri}, {"version", version}}},
         {"contentChanges",
          Json::array({{{"range", {{"start", start}, {"end", end}}}, {"text", text}}})}});
}

TEST(ServerProtocolTest, LifecycleAndStatus) {
    {
        Session session;
        Send(session.server, Request(7, "textDocument/hover"));
        const std::optional<Json> early = Response(session.server, 7);
        ASSERT_TRUE(early);
        EXPECT_EQ((*early)["error"]["code"], -32002);
        const Json result = Initialize(session.server);
        EXPECT_EQ(result["capabilities"]["positionEncoding"], "utf-16");
        EXPECT_EQ(result["capabilities"]["textDocumentSync"]["change"], 2);
        EXPECT_EQ(result["capabilities"]["hoverProvider"], true);
        Send(session.server, Request(2, "shutdown"));
        ASSERT_TRUE(Response(session.server, 2));
        Send(session.server, Request(3, "textDocument/codeLens"));
        EXPECT_EQ((*Response(session.server, 3))["error"]["code"], -32600);
        Send(session.server, Notification("exit", nullptr));
        EXPECT_EQ(FinishServer(session.server), 0);
    }
    {
        Session session;
        Initialize(session.server);
        Send(session.server, Notification("exit", nullptr));
        EXPECT_EQ(FinishServer(session.server), 1);
    }
    {
        Session session;  // the end of input ends it
        Initialize(session.server);
        EXPECT_EQ(FinishServer(session.server), 1);
    }
}

TEST(ServerProtocolTest, BadMessagesAreAnsweredAndTheServerGoesOn) {
    Session session;
    ServerProcess& server = session.server;
    Initialize(server);
    SendRaw(server, "Content-Length: 9\r\n\r\n{not json");
    const std::optional<Json> parseError = NextMessage(server);
    ASSERT_TRUE(parseError);
    EXPECT_EQ((*parseError)["error"]["code"], -32700);
    EXPECT_TRUE((*parseError)["id"].is_null());
    EXPECT_EQ(ShownMessage(server), "quillory-ls: refused a message: invalid JSON");

    // Answers to requests the server never made are dropped without a word.
    Send(server, Notification("$/somethingNew", Json::object()));
    Send(server, {{"jsonrpc", "2.0"}, {"id", 99}, {"result", nullptr}});
    Send(server, {{"jsonrpc", "2.0"}, {"id", "x"}, {"error", {{"code", -1}, {"message", "no"}}}});
    Send(server, Request(2, "textDocument/unknown"));
    const std::optional<Json> unknown = NextMessage(server);  // nothing came before it
    ASSERT_TRUE(unknown);
    EXPECT_EQ((*unknown)["id"], 2);
    EXPECT_EQ((*unknown)["error"]["code"], -32601);

    // Header names in any case; Content-Type is read past.
    SendRaw(server,
            "content-length: 57\r\ncontent-type: application/vscode-jsonrpc; charset=utf-8\r\n\r\n"
            "{\"jsonrpc\":\"2.0\",\"id\":3,\"method\":\"textDocument/codeLens\"}");
    ASSERT_TRUE(Response(server, 3));

    // Frames without a usable length are refused, and the client is told why.
    SendRaw(server, "Content-Type: x\r\n\r\n{\"jsonrpc\":\"2.0\"}");
    EXPECT_EQ(ShownMessage(server),
              "quillory-ls: refused a message: a message without Content-Length");
    SendRaw(server, "Content-Length: twelve\r\n\r\n");
    EXPECT_EQ(ShownMessage(server),
              "quillory-ls: refused a message: malformed Content-Length 'twelve'");
    SendRaw(server, "Content-Length: 99999999999999999999999\r\n\r\n");
    EXPECT_NE(ShownMessage(server).find("over the 64 MiB limit"), std::string::npos);
    Send(server,
         Request(4, "textDocument/codeLens", {{"textDocument", {{"uri", "file:///none"}}}}));
    const std::optional<Json> after = Response(server, 4);
    ASSERT_TRUE(after);
    EXPECT_EQ((*after)["result"], Json::array());

    Send(server, Request(5, "shutdown"));
    Send(server, Notification("exit", nullptr));
    EXPECT_EQ(FinishServer(server), 0);
    const std::string err = ReadFile(session.folder / "stderr");
    EXPECT_NE(err.find("malformed Content-Length 'twelve'"), std::string::npos) << err;
}

// Whatever the server cannot apply leaves it without the editor's text: it
// clears the marks, says so once, and waits for the whole text.
TEST(ServerProtocolTest, ALostChangePutsTheDocumentOutOfStepUntilTheWholeText) {
    const std::string text = "\U0001F600 " + kLongSentence;
    // In each encoding, a place inside the emoji.
    for (const auto& [encoding, inside] : {std::pair{"utf-16", 1}, std::pair{"utf-8", 2}}) {
        Session session;
        ServerProcess& server = session.server;
        Initialize(server, {{"general", {{"positionEncodings", {encoding}}}}});
        const std::string uri = "file://" + (session.folder / "a.txt");
        Open(server, uri, text);
        ASSERT_EQ(Diagnostics(server, uri, 1).size(), 1U);
        Send(server, Change(2, uri, Position(0, inside), Position(0, inside), "x"));
        Send(server, Change(3, uri, Position(0, 0), Position(0, 0), "y"));
        Send(server, Change(4, uri, Position(9, 0), Position(9, 0), "z"));
        Send(server, Request(2, "textDocument/hover",
                             {{"textDocument", {{"uri", uri}}}, {"position", Position(0, 6)}}));
        const std::vector<Json> told = MessagesBefore(server, 2);
        EXPECT_EQ(Methods(told),
                  (std::vector<std::string>{"window/logMessage", "textDocument/publishDiagnostics",
                                            "window/showMessage"}))
            << encoding;
        ASSERT_EQ(told.size(), 3U);
        EXPECT_NE(told[0]["params"]["message"].get<std::string>().find("inside a character"),
                  std::string::npos);
        EXPECT_EQ(told[1]["params"]["diagnostics"], Json::array());
        EXPECT_EQ(told[2]["params"]["message"], "quillory-ls: " + (session.folder / "a.txt") +
                                                    " is out of step with the editor; reopen it");

        // The whole text brings it back, the emoji whole.
        Send(server,
             Notification("textDocument/didChange",
                          {{"textDocument", {{"uri", uri}, {"version", 5}}},
                           {"contentChanges", Json::array({{{"text", text + " Done."}}})}}));
        EXPECT_EQ(Diagnostics(server, uri, 5).size(), 1U);
        Send(server, Request(3, "quillory/documentFigures", {{"textDocument", {{"uri", uri}}}}));
        WriteFile(session.folder / "a.txt", text + " Done.");
        EXPECT_EQ((*Response(server, 3))["result"],
                  Json::parse(RunCli(session.folder.Path(), "--format json a.txt").out));
        FinishServer(server);
    }
}

TEST(ServerProtocolTest, AFrameOverTheLimitPutsEveryDocumentOutOfStep) {
    Session session;
    ServerProcess& server = session.server;
    Initialize(server);
    Open(server, "file:///tmp/one.txt", kLongSentence);
    Open(server, "file:///tmp/two.md", kLongSentence, "markdown");
    Diagnostics(server, "file:///tmp/one.txt", 1);
    Diagnostics(server, "file:///tmp/two.md", 1);
    SendRaw(server, "Content-Length: 70000000\r\n\r\n");
    Send(server,
         Request(2, "textDocument/codeLens", {{"textDocument", {{"uri", "file:///tmp/one.txt"}}}}));
    const std::vector<Json> told = MessagesBefore(server, 2);
    std::vector<std::string> shown;
    int cleared = 0;
    for (const Json& message : told) {
        if (message["method"] == "window/showMessage") {
            shown.push_back(message["params"]["message"]);
        }
        cleared += message["method"] == "textDocument/publishDiagnostics" &&
                   message["params"]["diagnostics"] == Json::array();
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "quillory-ls: refused a message: Content-Length 70000000 is over the "
                         "64 MiB limit",
                         "quillory-ls: /tmp/one.txt is out of step with the editor; reopen it",
                         "quillory-ls: /tmp/two.md is out of step with the editor; reopen it"}));
    EXPECT_EQ(cleared, 2);
    Open(server, "file:///tmp/one.txt", kLongSentence);
    EXPECT_EQ(Diagnostics(server, "file:///tmp/one.txt", 1).size(), 1U);
    FinishServer(server);
}

// The first encoding offered that the server knows is the one spoken; the long
// sentence after a line holding "é" and an emoji starts at the same place in
// each. (Edits in each are RandomEditsInEachEncodingEndInTheSameText's.)
TEST(ServerProtocolTest, PositionsInEachEncoding) {
    const std::string text = "Caf\u00E9 \U0001F600 here.\r\nOne. " + kLongSentence;
    for (const char* encoding : {"utf-8", "utf-16", "utf-32"}) {
        Session session;
        const Json result =
            Initialize(session.server, {{"general", {{"positionEncodings", {"utf-7", encoding}}}}});
        EXPECT_EQ(result["capabilities"]["positionEncoding"], encoding);
        Open(session.server, "file:///tmp/e.txt", "x " + text);
        // An edit in the chosen encoding: the "x " before "Café" goes.
        Send(session.server, Change(2, "file:///tmp/e.txt", Position(0, 0), Position(0, 2), ""));
        const Json diagnostics = Diagnostics(session.server, "file:///tmp/e.txt", 2);
        ASSERT_EQ(diagnostics.size(), 1U) << encoding;
        EXPECT_EQ(diagnostics[0]["range"]["start"], Position(1, 5)) << encoding;
        EXPECT_EQ(diagnostics[0]["code"], "long-sentence");
        EXPECT_EQ(diagnostics[0]["severity"], 3);
        EXPECT_EQ(diagnostics[0]["source"], "quillory");
        FinishServer(session.server);
    }
}

TEST(ServerProtocolTest, SettingsFromTheEditorAndTheFolder) {
    Session session;
    ServerProcess& server = session.server;
    const std::string uri = "file://" + (session.folder / "draft.txt");
    Initialize(server, Json::object(),
               {{"quillory", {{"scenario", "Blog Post"}, {"variant", "uk"}}}});
    Open(server, uri, "A short line. " + kLongSentence);
    Json diagnostics = Diagnostics(server, uri, 1);
    ASSERT_EQ(diagnostics.size(), 1U);
    EXPECT_NE(diagnostics[0]["message"].get<std::string>().find("Blog Post aims at"),
              std::string::npos);
    Send(server, Request(2, "textDocument/codeLens", {{"textDocument", {{"uri", uri}}}}));
    const std::string lens = (*Response(server, 2))["result"][0]["command"]["title"];
    EXPECT_NE(lens.find("Blog Post, UK English"), std::string::npos) << lens;

    // The folder's file wins over the editor for each key it sets.
    WriteFile(session.folder / ".quillory.toml",
              "scenario = \"Legal Document\"\nmax-sentence-words = 10\nmin-ease = 99\n");
    Send(server, Notification("workspace/didChangeWatchedFiles", {{"changes", Json::array()}}));
    diagnostics = Diagnostics(server, uri, 1);
    std::string codes;
    for (const Json& diagnostic : diagnostics) {
        codes += diagnostic["code"].get<std::string>() + " ";
    }
    EXPECT_EQ(codes, "min-ease max-sentence-words ");
    EXPECT_EQ(diagnostics[0]["range"]["start"], Position(0, 0));
    // The document's finding points at the sentence whose rewriting would bring it within.
    ASSERT_EQ(diagnostics[0]["relatedInformation"].size(), 1U);
    const Json& named = diagnostics[0]["relatedInformation"][0];
    EXPECT_EQ(named["location"]["uri"], uri);
    EXPECT_EQ(named["location"]["range"], diagnostics[1]["range"]);
    EXPECT_EQ(named["message"].get<std::string>().rfind("hard sentence: 28 words \u00B7 grade ", 0),
              0U)
        << named;

    // A bad file: one error naming it and its line; the editor's settings hold,
    // those pushed over those it started with.
    WriteFile(session.folder / ".quillory.toml", "variant = \"us\"\nmax-grade = \"high\"\n");
    Send(server, Notification("workspace/didChangeConfiguration",
                              {{"settings", {{"quillory", {{"maxSentenceWords", 5}}}}}}));
    diagnostics = Diagnostics(server, uri, 1);
    ASSERT_EQ(diagnostics.size(), 2U);
    EXPECT_EQ(diagnostics[0]["severity"], 1);
    EXPECT_EQ(diagnostics[0]["message"], (session.folder / ".quillory.toml") +
                                             ":2: key 'max-grade': expected a finite number");
    // One diagnostic for the sentence: the threshold's code, the mark's tooltip,
    // each part in the related information.
    const Json& sentence = diagnostics[1];
    EXPECT_EQ(sentence["code"], "max-sentence-words");
    EXPECT_EQ(sentence["severity"], 2);
    const std::string tooltip = sentence["message"];
    EXPECT_EQ(tooltip.rfind("28 words \u2014 Blog Post aims at 24 or fewer", 0), 0U) << tooltip;
    ASSERT_EQ(sentence["relatedInformation"].size(), 2U);
    EXPECT_EQ(sentence["relatedInformation"][0]["message"], "long-sentence: " + tooltip);
    EXPECT_EQ(sentence["relatedInformation"][1]["message"].get<std::string>().rfind(
                  "max-sentence-words: 28 words \u2014 at most 5 allowed", 0),
              0U);
    EXPECT_EQ(sentence["relatedInformation"][1]["location"]["range"], sentence["range"]);
    Send(server, Request(3, "textDocument/hover",
                         {{"textDocument", {{"uri", uri}}}, {"position", Position(0, 20)}}));
    const std::string hover = (*Response(server, 3))["result"]["contents"]["value"];
    EXPECT_EQ(hover.rfind("**Long sentence**\n\n" + tooltip +
                              "\n\n**max-sentence-words**: 28 words \u2014 at most 5 allowed",
                          0),
              0U)
        << hover;
    FinishServer(server);
}

Json ConfigurationRequest(ServerProcess& server) {
    const std::optional<Json> request = WaitFor(
        server, [](const Json& m) { return m.value("method", "") == "workspace/configuration"; });
    return request ? *request : Json();
}

void Answer(ServerProcess& server, const Json& request, Json result) {
    Send(server, {{"jsonrpc", "2.0"}, {"id", request["id"]}, {"result", std::move(result)}});
}

TEST(ServerProtocolTest, SettingsAskedOfTheEditor) {
    Session session;
    ServerProcess& server = session.server;
    const std::string uri = "file://" + (session.folder / "draft.txt");
    const Json pulls = {{"workspace", {{"configuration", true}}}};
    Send(server, Request(1, "initialize",
                         {{"capabilities", pulls},
                          {"rootUri", "file://" + session.folder.Path()},
                          {"initializationOptions", {{"quillory", {{"variant", "uk"}}}}}}));
    ASSERT_TRUE(Response(server, 1));
    Send(server, Notification("initialized", Json::object()));
    Json request = ConfigurationRequest(server);
    EXPECT_EQ(request["params"]["items"],
              Json::parse(R"([{"section": "quillory", "scopeUri": "file://)" +
                          session.folder.Path() + R"("}])"));
    // The first marks do not wait for the answer.
    const auto aim = [&] {
        const std::string message = Diagnostics(server, uri, 1)[0]["message"];
        return message.substr(0, message.find(" \u00B7"));
    };
    Open(server, uri, "A short line. " + kLongSentence);
    EXPECT_EQ(aim(), "28 words \u2014 General Content aims at 25 or fewer");
    Answer(server, request, Json::array({{{"scenario", "Blog Post"}}}));
    EXPECT_EQ(aim(), "28 words \u2014 Blog Post aims at 24 or fewer");
    const auto lens = [&](int id) {
        Send(server, Request(id, "textDocument/codeLens", {{"textDocument", {{"uri", uri}}}}));
        return (*Response(server, id))["result"][0]["command"]["title"].get<std::string>();
    };
    EXPECT_NE(lens(2).find("Blog Post, UK English"), std::string::npos);

    // Asked again on a change without settings; bad values are named once and
    // leave those keys as they were.
    Send(server, Notification("workspace/didChangeConfiguration", {{"settings", nullptr}}));
    const Json bad = {{"scenario", "blog post"}, {"variant", 5}, {"maxSentenceWords", 0}};
    Answer(server, ConfigurationRequest(server), Json::array({bad}));
    EXPECT_EQ(ShownMessage(server),
              "quillory-ls: variant 5 is not \"us\" or \"uk\"; scenario \"blog post\" is not a "
              "scenario's number 0-6 or its name; maxSentenceWords 0 is not a number of words (1 "
              "or more) or \"scenario\"; these settings stay as they were");
    Send(server, Notification("workspace/didChangeConfiguration", Json::object()));
    Answer(server, ConfigurationRequest(server), Json::array({bad}));
    Send(server, Request(3, "textDocument/codeLens", {{"textDocument", {{"uri", uri}}}}));
    EXPECT_EQ(Methods(MessagesBefore(server, 3)), std::vector<std::string>{});
    EXPECT_NE(lens(4).find("Blog Post, UK English"), std::string::npos);

    Send(server, Notification("workspace/didChangeConfiguration", Json::object()));
    Answer(server, ConfigurationRequest(server), Json::array({{{"scenario", 7}}}));
    EXPECT_EQ(ShownMessage(server),
              "quillory-ls: scenario 7 is not a scenario's number 0-6 or its name; the setting "
              "stays as it was");
    // An error for an answer, or a null one, changes nothing.
    Send(server, Notification("workspace/didChangeConfiguration", Json::object()));
    request = ConfigurationRequest(server);
    Send(server, {{"jsonrpc", "2.0"},
                  {"id", request["id"]},
                  {"error", {{"code", -32603}, {"message", "no"}}}});
    Send(server, Notification("workspace/didChangeConfiguration", Json::object()));
    Answer(server, ConfigurationRequest(server), Json::array({nullptr}));
    EXPECT_NE(lens(5).find("Blog Post, UK English"), std::string::npos);
    FinishServer(server);
}

TEST(ServerProtocolTest, SettingsAreNotAskedOfAnEditorThatCannotAnswer) {
    Session session;
    Initialize(session.server, Json::object(), {{"quillory", {{"scenario", "Blog Post"}}}});
    Send(session.server, Notification("workspace/didChangeConfiguration", Json::object()));
    Send(session.server, Request(2, "textDocument/codeLens"));
    EXPECT_EQ(Methods(MessagesBefore(session.server, 2)), std::vector<std::string>{});
    FinishServer(session.server);
}

// Several folders: each answers for the documents in it.
TEST(ServerProtocolTest, EachWorkspaceFolderHasItsOwnSettings) {
    Session session;
    ServerProcess& server = session.server;
    std::filesystem::create_directories(session.folder / "a");
    std::filesystem::create_directories(session.folder / "b");
    const std::string a = "file://" + (session.folder / "a");
    const std::string b = "file://" + (session.folder / "b") + "/";
    Send(server, Request(1, "initialize",
                         {{"capabilities", {{"workspace", {{"configuration", true}}}}},
                          {"workspaceFolders",
                           {{{"uri", a}, {"name", "a"}}, {{"uri", b}, {"name", "b"}}}}}));
    ASSERT_TRUE(Response(server, 1));
    Send(server, Notification("initialized", Json::object()));
    const Json request = ConfigurationRequest(server);
    ASSERT_EQ(request["params"]["items"].size(), 2U);
    EXPECT_EQ(request["params"]["items"][1]["scopeUri"], b);
    Open(server, a + "/x.txt", kLongSentence);
    Open(server, b + "x.txt", kLongSentence);
    Diagnostics(server, a + "/x.txt", 1);
    Diagnostics(server, b + "x.txt", 1);
    Answer(server, request, Json::array({nullptr, {{"scenario", 4}}}));
    const std::string message = Diagnostics(server, b + "x.txt", 1)[0]["message"];
    EXPECT_NE(message.find("Blog Post aims at"), std::string::npos) << message;
    Send(server, Request(2, "textDocument/codeLens", {{"textDocument", {{"uri", a + "/x.txt"}}}}));
    const std::string lens = (*Response(server, 2))["result"][0]["command"]["title"];
    EXPECT_NE(lens.find("General Content"), std::string::npos) << lens;
    FinishServer(server);
}

// Changes sent faster than they are checked: the newest version is published
// last, and no older one after a newer.
TEST(ServerProtocolTest, NoStaleDiagnosticsAfterNewerOnes) {
    Session session;
    ServerProcess& server = session.server;
    Initialize(server);
    Open(server, "file:///tmp/s.txt", kLongSentence);
    std::string burst;
    for (int version = 2; version <= 60; ++version) {
        const Json change = Change(version, "file:///tmp/s.txt", Position(0, 0), Position(0, 0),
                                   "Word " + std::to_string(version) + ". ");
        const std::string body = change.dump();
        burst += "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
    }
    SendRaw(server, burst);
    int last = 0;
    while (last < 60) {
        const std::optional<Json> message = WaitFor(server, [](const Json& m) {
            return m.value("method", "") == "textDocument/publishDiagnostics";
        });
        ASSERT_TRUE(message);
        const int version = (*message)["params"]["version"];
        EXPECT_GT(version, last);
        last = version;
    }
    FinishServer(server);
}

// The plain model: the text as UTF-16 and a position counted the simplest way.
Json ModelPosition(const std::u16string& text, std::size_t offset, const std::string& encoding) {
    std::size_t line = 0;
    std::size_t character = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            continue;
        }
        if (c == u'\n' || c == u'\r') {
            ++line;
            character = 0;
        } else if (c >= 0xD800 && c <= 0xDBFF) {
            character += encoding == "utf-8" ? 4 : encoding == "utf-16" ? 2 : 1;
            ++i;
        } else {
            character += encoding != "utf-8" ? 1 : c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        }
    }
    return {{"line", line}, {"character", character}};
}

// Whether an edit may not start or end at `offset`: inside a character, or
// between a CR and its LF.
bool InsideABreakOrCharacter(const std::u16string& text, std::size_t offset) {
    return offset > 0 && offset < text.size() &&
           ((text[offset] >= 0xDC00 && text[offset] <= 0xDFFF) ||
            (text[offset] == u'\n' && text[offset - 1] == u'\r'));
}

// Random edits in each encoding, replayed against a plain model: the server
// ends with the model's text, its figures and marks quillory-cli's for it.
TEST(ServerProtocolTest, RandomEditsInEachEncodingEndInTheSameText) {
    const std::string guide =
        "---\r\ntitle: A guide\r\n---\r\n# Getting started\r\n\r\n" + kLongSentence +
        " \U0001F600 Done.\r\n\r\n```\r\ncode is left out of the prose.\r\n```\r\n\r\n"
        "- A list item\r\n- Caf\u00E9 owners read it too.\r\n";
    const std::vector<std::u16string> pieces = {
        u"a",
        u"word ",
        u". ",
        u"\r\n",
        u"\r",
        u"\n",
        u"\u00E9",
        u"\U0001F600",
        u"\U0001F1EC\U0001F1E7",
        u"and then it went on, ",
    };
    for (const std::string encoding : {"utf-8", "utf-16", "utf-32"}) {
        Session session;
        ServerProcess& server = session.server;
        Initialize(server, {{"general", {{"positionEncodings", {encoding}}}}});
        std::u16string model = DecodeUtf8(guide).text;
        const std::string uri = "file://" + (session.folder / "draft.txt");
        Open(server, uri, guide);
        std::mt19937 random(7);
        int version = 1;
        for (int edit = 0; edit < 150; ++edit) {
            std::size_t start = std::uniform_int_distribution<std::size_t>(0, model.size())(random);
            std::size_t end = std::uniform_int_distribution<std::size_t>(0, model.size())(random);
            if (end < start) {
                std::swap(start, end);
            }
            end = std::min(end, start + 12);
            while (InsideABreakOrCharacter(model, start)) {
                --start;
            }
            while (InsideABreakOrCharacter(model, end)) {
                ++end;
            }
            std::u16string inserted;
            for (int i = std::uniform_int_distribution<int>(0, 3)(random); i > 0; --i) {
                inserted += pieces[random() % pieces.size()];
            }
            Send(server, Change(++version, uri, ModelPosition(model, start, encoding),
                                ModelPosition(model, end, encoding), EncodeUtf8(inserted)));
            model.replace(start, end - start, inserted);
        }
        const Json diagnostics = Diagnostics(server, uri, version);
        WriteFile(session.folder / "draft.txt", EncodeUtf8(model));
        Send(server, Request(2, "quillory/documentFigures", {{"textDocument", {{"uri", uri}}}}));
        EXPECT_EQ((*Response(server, 2))["result"],
                  Json::parse(RunCli(session.folder.Path(), "--format json draft.txt").out))
            << encoding;
        // Characters count code points in the CLI: UTF-32 positions are the same places.
        if (encoding == "utf-32") {
            Json marks = Json::array();
            for (const Json& diagnostic : diagnostics) {
                const Json& place = diagnostic["range"]["start"];
                marks.push_back(diagnostic["code"].get<std::string>() + " " +
                                std::to_string(place["line"].get<int>()) + ":" +
                                std::to_string(place["character"].get<int>()));
            }
            EXPECT_EQ(marks, CliMarks(session.folder.Path(), "draft.txt"));
        }
        FinishServer(server);
    }
}

}  // namespace
