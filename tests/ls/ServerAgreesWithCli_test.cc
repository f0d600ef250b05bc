// The server's marks, findings and figures against quillory-cli's for the
// same text and settings, after edits replayed against a plain model.

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/Utf8.h"
#include "tests/cli/RunCli.h"
#include "testsupport/ServerProcess.h"
#include "testsupport/TemporaryFolder.h"

namespace {

using Json = nlohmann::json;

const std::string kGuide =
    "---\r\ntitle: A guide\r\n---\r\n# Getting started\r\n\r\n"
    "Install the tool with the package manager that your system provides, then open a terminal "
    "and run the first command, which prints a long list of every option that the tool "
    "understands together with a short description of each one. \U0001F600 Done.\r\n\r\n"
    "```\r\ncode is left out of the prose entirely, however long it runs on.\r\n```\r\n\r\n"
    "- A list item that is short\r\n"
    "- Another item that, **being emphasised**, goes on for rather longer than the aim of the "
    "scenario allows for one sentence in a page of plain guidance, and then some more.\r\n\r\n"
    "Caf\u00E9 owners read it too. See [the manual](https://example.com/manual) for more.\r\n";

Json Request(int id, const std::string& method, Json params) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", std::move(params)}};
}

Json Notification(const std::string& method, Json params) {
    return {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

void Start(ServerProcess& server, const std::string& encoding) {
    Send(server, Request(1, "initialize",
                         {{"capabilities", {{"general", {{"positionEncodings", {encoding}}}}}}}));
    ASSERT_TRUE(Response(server, 1));
    Send(server, Notification("initialized", Json::object()));
}

Json DiagnosticsOf(ServerProcess& server, const std::string& uri, int version) {
    const std::optional<Json> message = WaitFor(server, [&](const Json& m) {
        return m.value("method", "") == "textDocument/publishDiagnostics" &&
               m["params"]["uri"] == uri && m["params"].value("version", -1) == version;
    });
    return message ? (*message)["params"]["diagnostics"] : Json();
}

Json Place(std::size_t line, std::size_t column) {
    return {{"line", line - 1}, {"character", column - 1}};
}

// The marks the CLI's sentences give, as "code line:column" starts.
std::vector<std::string> CliMarks(const Json& sentences) {
    std::vector<std::string> marks;
    for (const Json& sentence : sentences["sentences"]) {
        if (sentence["level"] != "none") {
            marks.push_back(
                (sentence["level"] == "long" ? "long-sentence " : "very-long-sentence ") +
                Place(sentence["line"], sentence["column"]).dump());
        }
    }
    return marks;
}

struct Part {
    std::string code;
    std::string message;
};

// A sentence's mark and findings made one: related information at its own range.
bool IsMerged(const Json& diagnostic) {
    return diagnostic.contains("relatedInformation") &&
           diagnostic["relatedInformation"][0]["location"]["range"] == diagnostic["range"];
}

// What a diagnostic stands for: itself (a document's or section's naming the
// sentences to rewrite elsewhere), or where a sentence's mark and findings were
// made one, each of them from its related information ("code: message").
std::vector<Part> Parts(const Json& diagnostic) {
    if (!IsMerged(diagnostic)) {
        return {{diagnostic["code"], diagnostic["message"]}};
    }
    std::vector<Part> parts;
    for (const Json& related : diagnostic["relatedInformation"]) {
        const std::string text = related["message"];
        const std::size_t colon = text.find(": ");
        parts.push_back({text.substr(0, colon), text.substr(colon + 2)});
    }
    return parts;
}

std::vector<std::string> ServerMarks(const Json& diagnostics) {
    std::vector<std::string> marks;
    for (const Json& diagnostic : diagnostics) {
        for (const Part& part : Parts(diagnostic)) {
            if (part.code.ends_with("long-sentence")) {
                marks.push_back(part.code + " " + diagnostic["range"]["start"].dump());
            }
        }
    }
    return marks;
}

TEST(ServerAgreesWithCliTest, MarkdownMarksFindingsAndFigures) {
    TemporaryFolder folder;
    WriteFile(folder / ".quillory.toml", "max-sentence-words = \"scenario\"\nmax-grade = 6\n");
    WriteFile(folder / "guide.md", kGuide);
    // Characters count code points in the CLI: UTF-32 positions are the same places.
    ServerProcess server = StartServer(QUILLORY_LS_PATH, folder / "stderr");
    Start(server, "utf-32");
    const std::string uri = "file://" + (folder / "guide.md");
    Send(server,
         Notification(
             "textDocument/didOpen",
             {{"textDocument",
               {{"uri", uri}, {"languageId", "markdown"}, {"version", 1}, {"text", kGuide}}}}));
    const Json diagnostics = DiagnosticsOf(server, uri, 1);

    // The findings come in the CLI's order, a whole document's on the first line.
    const Json checked = Json::parse(RunCli(folder.Path(), "--format json .").out);
    std::vector<std::string> expected;
    for (const Json& finding : checked["findings"]) {
        const Json start = Place(finding["line"], finding["column"]);
        const Json range =
            finding["endLine"].is_null()
                ? start
                : Json{{"start", start}, {"end", Place(finding["endLine"], finding["endColumn"])}};
        expected.push_back(finding["rule"].get<std::string>() + " " + range.dump() + " " +
                           finding["message"].get<std::string>());
    }
    std::vector<std::string> found;
    std::set<std::string> ranges;
    for (const Json& diagnostic : diagnostics) {
        EXPECT_TRUE(ranges.insert(diagnostic["range"].dump()).second)
            << "two diagnostics at " << diagnostic["range"];
        for (const Part& part : Parts(diagnostic)) {
            if (part.code.ends_with("long-sentence")) {
                continue;
            }
            const std::size_t i = found.size();
            const bool whole =
                i < checked["findings"].size() && checked["findings"][i]["endLine"].is_null();
            found.push_back(part.code + " " +
                            (whole ? diagnostic["range"]["start"] : diagnostic["range"]).dump() +
                            " " + part.message);
        }
    }
    EXPECT_EQ(found, expected);
    ASSERT_GE(expected.size(), 3U);

    const Json sentences =
        Json::parse(RunCli(folder.Path(), "--format sentences --input markdown guide.md").out);
    EXPECT_EQ(ServerMarks(diagnostics), CliMarks(sentences));
    EXPECT_EQ(CliMarks(sentences).size(), 2U);
    // A marked sentence over a threshold is one diagnostic under the threshold's code.
    for (const Json& diagnostic : diagnostics) {
        if (IsMerged(diagnostic)) {
            EXPECT_EQ(diagnostic["code"], "max-sentence-words");
        }
    }

    Send(server, Request(2, "quillory/documentFigures", {{"textDocument", {{"uri", uri}}}}));
    EXPECT_EQ((*Response(server, 2))["result"],
              Json::parse(RunCli(folder.Path(), "--format json --input markdown guide.md").out));
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

// A place between code points, and not between a CR and its LF.
std::size_t Boundary(const std::u16string& text, std::mt19937& random) {
    std::size_t offset = std::uniform_int_distribution<std::size_t>(0, text.size())(random);
    while (offset > 0 && offset < text.size() &&
           ((text[offset] >= 0xDC00 && text[offset] <= 0xDFFF) ||
            (text[offset] == u'\n' && text[offset - 1] == u'\r'))) {
        --offset;
    }
    return offset;
}

TEST(ServerAgreesWithCliTest, RandomEditsInEachEncodingEndInTheSameText) {
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
        TemporaryFolder folder;
        ServerProcess server = StartServer(QUILLORY_LS_PATH, folder / "stderr");
        Start(server, encoding);
        std::u16string model = DecodeUtf8(kGuide).text;
        const std::string uri = "file://" + (folder / "draft.txt");
        Send(
            server,
            Notification(
                "textDocument/didOpen",
                {{"textDocument",
                  {{"uri", uri}, {"languageId", "plaintext"}, {"version", 1}, {"text", kGuide}}}}));
        std::mt19937 random(7);
        int version = 1;
        for (int edit = 0; edit < 150; ++edit) {
            std::size_t start = Boundary(model, random);
            std::size_t end = Boundary(model, random);
            if (end < start) {
                std::swap(start, end);
            }
            end = std::min(end, start + 12);
            while (end < model.size() && ((model[end] >= 0xDC00 && model[end] <= 0xDFFF) ||
                                          (model[end] == u'\n' && model[end - 1] == u'\r'))) {
                ++end;
            }
            std::u16string inserted;
            for (int i = std::uniform_int_distribution<int>(0, 3)(random); i > 0; --i) {
                inserted += pieces[random() % pieces.size()];
            }
            const Json range = {{"start", ModelPosition(model, start, encoding)},
                                {"end", ModelPosition(model, end, encoding)}};
            model.replace(start, end - start, inserted);
            Send(server,
                 Notification(
                     "textDocument/didChange",
                     {{"textDocument", {{"uri", uri}, {"version", ++version}}},
                      {"contentChanges",
                       Json::array({{{"range", range}, {"text", EncodeUtf8(inserted)}}})}}));
        }
        const Json diagnostics = DiagnosticsOf(server, uri, version);
        WriteFile(folder / "draft.txt", EncodeUtf8(model));
        Send(server, Request(2, "quillory/documentFigures", {{"textDocument", {{"uri", uri}}}}));
        EXPECT_EQ((*Response(server, 2))["result"],
                  Json::parse(RunCli(folder.Path(), "--format json draft.txt").out))
            << encoding;
        if (encoding == "utf-32") {
            const Json sentences =
                Json::parse(RunCli(folder.Path(), "--format sentences draft.txt").out);
            EXPECT_EQ(ServerMarks(diagnostics), CliMarks(sentences));
        }
        FinishServer(server);
    }
}

}  // namespace
