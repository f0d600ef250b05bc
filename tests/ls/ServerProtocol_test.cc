// The server through its own standard input and output: framing, lifecycle,
// errors, encodings and settings.

#include <gtest/gtest.h>

#include <string>

#include "tests/cli/RunCli.h"
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

    Send(server, Notification("$/somethingNew", Json::object()));
    Send(server, Request(2, "textDocument/unknown"));
    const std::optional<Json> unknown = NextMessage(server);  // nothing came before it
    ASSERT_TRUE(unknown);
    EXPECT_EQ((*unknown)["id"], 2);
    EXPECT_EQ((*unknown)["error"]["code"], -32601);

    // Frames without a usable length are refused on stderr; the next frame is read.
    SendRaw(server, "Content-Type: x\r\n\r\n{\"jsonrpc\":\"2.0\"}");
    SendRaw(server, "Content-Length: twelve\r\n\r\n");
    SendRaw(server, "Content-Length: 99999999999999999999999\r\n\r\n");
    SendRaw(server, "Content-Length: 70000000\r\n\r\n");
    Send(server,
         Request(3, "textDocument/codeLens", {{"textDocument", {{"uri", "file:///none"}}}}));
    const std::optional<Json> after = Response(server, 3);
    ASSERT_TRUE(after);
    EXPECT_EQ((*after)["result"], Json::array());

    // A change outside the document is refused and the text kept.
    Open(server, "file:///tmp/a.txt", kLongSentence);
    Diagnostics(server, "file:///tmp/a.txt", 1);
    Send(server, Change(2, "file:///tmp/a.txt", Position(5, 0), Position(5, 0), "x"));
    const std::optional<Json> log =
        WaitFor(server, [](const Json& m) { return m.value("method", "") == "window/logMessage"; });
    ASSERT_TRUE(log);
    EXPECT_NE((*log)["params"]["message"].get<std::string>().find("refused"), std::string::npos);
    Send(server,
         Request(4, "textDocument/hover",
                 {{"textDocument", {{"uri", "file:///tmp/a.txt"}}}, {"position", Position(0, 3)}}));
    const std::optional<Json> hover = Response(server, 4);
    ASSERT_TRUE(hover);
    EXPECT_NE((*hover)["result"]["contents"]["value"].get<std::string>().find("28 words"),
              std::string::npos);

    Send(server, Request(5, "shutdown"));
    Send(server, Notification("exit", nullptr));
    EXPECT_EQ(FinishServer(server), 0);
    const std::string err = ReadFile(session.folder / "stderr");
    EXPECT_NE(err.find("without Content-Length"), std::string::npos) << err;
    EXPECT_NE(err.find("malformed Content-Length 'twelve'"), std::string::npos) << err;
    EXPECT_NE(err.find("over 67108864 bytes"), std::string::npos) << err;
}

// The long sentence after a line holding "é" and an emoji: its start is the
// same place in every encoding, counted three ways.
TEST(ServerProtocolTest, PositionsInEachEncoding) {
    const std::string text = "Caf\u00E9 \U0001F600 here.\r\nOne. " + kLongSentence;
    const std::pair<const char*, int> cases[] = {{"utf-8", 15}, {"utf-16", 12}, {"utf-32", 11}};
    for (const auto& [encoding, character] : cases) {
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

        Send(session.server, Change(3, "file:///tmp/e.txt", Position(0, character),
                                    Position(0, character), " now"));
        Send(session.server, Request(2, "quillory/documentFigures",
                                     {{"textDocument", {{"uri", "file:///tmp/e.txt"}}}}));
        const std::optional<Json> figures = Response(session.server, 2);
        ASSERT_TRUE(figures);
        WriteFile(session.folder / "e.txt",
                  "Caf\u00E9 \U0001F600 here now.\r\nOne. " + kLongSentence);
        const CliRun cli = RunCli(session.folder.Path(), "--format json e.txt");
        EXPECT_EQ((*figures)["result"], Json::parse(cli.out)) << encoding;
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

    // A bad file: one error naming it and its line; the editor's settings hold.
    WriteFile(session.folder / ".quillory.toml", "variant = \"us\"\nmax-grade = \"high\"\n");
    Send(server, Notification("workspace/didChangeConfiguration",
                              {{"settings", {{"quillory", {{"maxSentenceWords", 5}}}}}}));
    diagnostics = Diagnostics(server, uri, 1);
    ASSERT_EQ(diagnostics.size(), 3U);
    EXPECT_EQ(diagnostics[0]["severity"], 1);
    EXPECT_EQ(diagnostics[0]["message"], (session.folder / ".quillory.toml") +
                                             ":2: key 'max-grade': expected a finite number");
    EXPECT_EQ(diagnostics[1]["code"], "long-sentence");  // General Content again
    EXPECT_EQ(diagnostics[2]["code"], "max-sentence-words");
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

}  // namespace
