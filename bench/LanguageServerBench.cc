// One character typed into a document open in quillory-ls: the time from the
// didChange written to its publishDiagnostics read, through the real server
// loop, beside the same document's analysis by the documents layer in the same
// run (the ratio), and the server's resident memory with the document open.

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <string>

#include "documents/DocumentAnalysis.h"
#include "documents/SourceDocument.h"
#include "engine/Utf8.h"
#include "testsupport/SampleText.h"
#include "testsupport/ServerProcess.h"
#include "testsupport/TemporaryFolder.h"

namespace {

using Json = nlohmann::json;
using Clock = std::chrono::steady_clock;

enum Kind { kText32K, kMarkdown1MB };

// A documentation page: headings, paragraphs, a list and a code fence in turn.
std::string MarkdownDocument(std::size_t bytes) {
    const std::string prose = EncodeUtf8(SampleEnglishText(4096));
    std::string document;
    for (int section = 1; document.size() < bytes; ++section) {
        document += "## Section " + std::to_string(section) + "\n\n" + prose.substr(0, 1500) +
                    "\n\n- " + prose.substr(1500, 300) + "\n- " + prose.substr(1800, 300) +
                    "\n\n```\nlet section = " + std::to_string(section) + ";\n```\n\n" +
                    prose.substr(2100, 1900) + "\n\n";
    }
    return document;
}

double ResidentMebibytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmRSS:")) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

double Seconds(Clock::duration elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

void BM_KeystrokeToDiagnostics(benchmark::State& state) {
    const auto kind = static_cast<Kind>(state.range(0));
    const bool markdown = kind == kMarkdown1MB;
    std::string text = markdown ? MarkdownDocument(1 << 20) : EncodeUtf8(SampleEnglishText(32768));
    const std::string uri = markdown ? "file:///bench/document.md" : "file:///bench/document.txt";
    TemporaryFolder folder;
    ServerProcess server = StartServer(QUILLORY_LS_PATH, folder / "stderr");
    Send(server, {{"jsonrpc", "2.0"},
                  {"id", 1},
                  {"method", "initialize"},
                  {"params", {{"capabilities", Json::object()}}}});
    Response(server, 1);
    Send(server,
         {{"jsonrpc", "2.0"},
          {"method", "textDocument/didOpen"},
          {"params",
           {{"textDocument",
             {{"uri", uri}, {"languageId", "plaintext"}, {"version", 1}, {"text", text}}}}}});
    const auto published = [&](int version) {
        return WaitFor(server, [&](const Json& m) {
            return m.value("method", "") == "textDocument/publishDiagnostics" &&
                   m["params"].value("version", -1) == version;
        });
    };
    if (!published(1)) {
        state.SkipWithError("no diagnostics from the server");
        return;
    }
    // Typed at the start of the middle line, a letter at a time.
    const std::size_t middle = text.find('\n', text.size() / 2) + 1;
    int line = 0;
    for (std::size_t i = 0; i < middle; ++i) {
        line += text[i] == '\n' ? 1 : 0;
    }
    ProseSettings settings;
    double serverSeconds = 0;
    double coreSeconds = 0;
    int version = 1;
    for (auto _ : state) {
        ++version;
        text.insert(middle + static_cast<std::size_t>(version - 2), "w");
        const Json position = {{"line", line}, {"character", version - 2}};
        const auto sent = Clock::now();
        Send(
            server,
            {{"jsonrpc", "2.0"},
             {"method", "textDocument/didChange"},
             {"params",
              {{"textDocument", {{"uri", uri}, {"version", version}}},
               {"contentChanges", Json::array({{{"range", {{"start", position}, {"end", position}}},
                                                {"text", "w"}}})}}}});
        if (!published(version)) {
            state.SkipWithError("the server stopped publishing");
            return;
        }
        const double keystroke = Seconds(Clock::now() - sent);
        state.SetIterationTime(keystroke);
        serverSeconds += keystroke;

        std::u16string decoded = DecodeUtf8(text).text;
        const auto coreStart = Clock::now();
        const SourceDocument document = MakeSourceDocument(
            std::move(decoded), text, markdown ? SourceKind::Markdown : SourceKind::Text);
        benchmark::DoNotOptimize(AnalyseDocument(document.prose, settings, {.sentences = true}));
        coreSeconds += Seconds(Clock::now() - coreStart);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["server_ms"] = serverSeconds / iterations * 1e3;
    state.counters["core_ms"] = coreSeconds / iterations * 1e3;
    state.counters["ratio"] = serverSeconds / coreSeconds;
    state.counters["rss_MiB"] = ResidentMebibytes(server.pid);
    FinishServer(server);
}

}  // namespace

BENCHMARK(BM_KeystrokeToDiagnostics)
    ->Arg(kText32K)
    ->Arg(kMarkdown1MB)
    ->Iterations(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
