// quillory-cli over a documentation tree: 2000 files, about 41 MB, as plain
// text and as Markdown, checked by one process on every core, and against the
// same files checked one process per file as a shell loop would.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/Utf8.h"
#include "testsupport/SampleText.h"
#include "testsupport/TemporaryFolder.h"

namespace {

constexpr int kFileCount = 2000;
constexpr std::size_t kFileUnits = 20480;

enum Kind { kText, kMarkdown };

// Paragraphs of the sample with what a documentation page also holds: front
// matter, headings, lists, a table, a code fence, links and inline code.
std::string MarkdownPage(const std::string& prose, int number) {
    std::string page = "---\ntitle: Page " + std::to_string(number) + "\n---\n# Page " +
                       std::to_string(number) + "\n\n";
    std::size_t start = 0;
    for (int block = 0; start < prose.size(); ++block) {
        std::size_t end = prose.find('.', start + 200);
        end = end == std::string::npos ? prose.size() : end + 1;
        const std::string text = prose.substr(start, end - start);
        switch (block % 6) {
            case 1:
                page += "- " + text + "\n- See [the guide](https://example.com/guide).\n\n";
                break;
            case 3:
                page += "| Option | Meaning |\n|---|---|\n| `--all` | " + text + " |\n\n";
                break;
            case 4:
                page += "```sh\nquillory-cli --max-grade 12 docs/\n```\n\n" + text + "\n\n";
                break;
            case 5:
                page += "## Section " + std::to_string(block) + "\n\n" + text + "\n\n";
                break;
            default:
                page += text + " Run `make` first.\n\n";
        }
        start = end;
    }
    return page;
}

struct Corpus {
    TemporaryFolder folder;
    std::vector<std::string> files[2];
    std::int64_t bytes[2] = {0, 0};
    double perFileSeconds[2] = {0, 0};  // the baseline, once measured

    Corpus() {
        const std::string prose = EncodeUtf8(SampleEnglishText(kFileUnits * 8));
        for (int i = 0; i < kFileCount; ++i) {
            const std::string sub = std::to_string(i % 40);
            std::filesystem::create_directories(folder / ("text/" + sub));
            std::filesystem::create_directories(folder / ("markdown/" + sub));
            // Each file a different stretch of the sample.
            const std::string text = prose.substr((i % 97) * 1013, kFileUnits);
            const std::string page = MarkdownPage(text, i);
            const std::string name = sub + "/f" + std::to_string(i);
            files[kText].push_back(folder / ("text/" + name + ".txt"));
            files[kMarkdown].push_back(folder / ("markdown/" + name + ".md"));
            WriteFile(files[kText].back(), text);
            WriteFile(files[kMarkdown].back(), page);
            bytes[kText] += static_cast<std::int64_t>(text.size());
            bytes[kMarkdown] += static_cast<std::int64_t>(page.size());
        }
    }
};

Corpus& TheCorpus() {
    static Corpus corpus;
    return corpus;
}

// Seconds the tool takes with these arguments, its output discarded.
double TimeCli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), QUILLORY_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    int status = -1;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        waitpid(child, &status, 0);
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "quillory-cli failed: status %d\n", status);
        std::abort();
    }
    return std::chrono::duration<double>(elapsed).count();
}

void ReportSpeed(benchmark::State& state, Kind kind, double seconds) {
    const Corpus& corpus = TheCorpus();
    state.SetBytesProcessed(state.iterations() * corpus.bytes[kind]);
    state.counters["MB_per_s"] = static_cast<double>(corpus.bytes[kind]) / seconds / 1e6;
    state.counters["files"] = static_cast<double>(corpus.files[kind].size());
    state.counters["MB"] = static_cast<double>(corpus.bytes[kind]) / 1e6;
}

void BM_ProcessPerFile(benchmark::State& state) {
    const auto kind = static_cast<Kind>(state.range(0));
    Corpus& corpus = TheCorpus();
    for (auto _ : state) {
        double seconds = 0;
        for (const std::string& file : corpus.files[kind]) {
            seconds += TimeCli({"--input", kind == kMarkdown ? "markdown" : "text", file});
        }
        state.SetIterationTime(seconds);
        corpus.perFileSeconds[kind] = seconds;
    }
    ReportSpeed(state, kind, corpus.perFileSeconds[kind]);
}

void BM_OneProcess(benchmark::State& state) {
    const auto kind = static_cast<Kind>(state.range(0));
    const Corpus& corpus = TheCorpus();
    const std::string tree = corpus.folder / (kind == kMarkdown ? "markdown" : "text");
    double total = 0;
    for (auto _ : state) {
        const double seconds = TimeCli({tree});
        state.SetIterationTime(seconds);
        total += seconds;
    }
    const double mean = total / static_cast<double>(state.iterations());
    ReportSpeed(state, kind, mean);
    if (corpus.perFileSeconds[kind] > 0) {
        state.counters["ratio_to_process_per_file"] = corpus.perFileSeconds[kind] / mean;
    }
}

}  // namespace

// The baseline first, so that the one-process runs can report their ratio to it.
BENCHMARK(BM_ProcessPerFile)
    ->Arg(kText)
    ->Arg(kMarkdown)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneProcess)
    ->Arg(kText)
    ->Arg(kMarkdown)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
