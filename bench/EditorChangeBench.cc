// The window's cost per keystroke against a bare Qt editor holding the same
// text, both offscreen in this process: one forced live pass per change, and
// typing at about 80 words a minute. Each reports its ratio to the bare editor.
// Resident memory is measured with each in a process of its own.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/Draft.h"
#include "shell/EventDispatch.h"
#include "shell/SentenceMarks.h"
#include "shell/ShellState.h"
#include "shell/StartUp.h"
#include "testsupport/SampleText.h"

namespace {

constexpr int kTypedKeys = 60;
constexpr auto kKeyInterval = std::chrono::milliseconds(150);

QPlainTextEdit* WindowEditor() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* editor = widget->findChild<QPlainTextEdit*>(QStringLiteral("control-1"))) {
            return editor;
        }
    }
    return nullptr;
}

void DispatchPending() {
    platform::Event event;
    while (platform::PollEvent(event)) {
        DispatchEvent(event);
    }
}

// CPU time of every thread of the process, the analysis worker's included.
double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Resident memory in KiB, from the kernel's own account of this process.
double ResidentKibibytes() {
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field) {
        if (field == "VmRSS:") {
            double kibibytes = 0;
            status >> kibibytes;
            return kibibytes;
        }
    }
    return 0;
}

void Load(QPlainTextEdit* editor, std::size_t length) {
    editor->setPlainText(QString::fromStdU16String(SampleEnglishText(length)));
    editor->moveCursor(QTextCursor::End);
}

// Alternately removing and putting back the last character keeps the text at
// its length, never above the limit.
void Change(QPlainTextEdit* editor, bool& remove) {
    if (remove) {
        editor->textCursor().deletePreviousChar();
    } else {
        editor->insertPlainText(QStringLiteral("s"));
    }
    remove = !remove;
}

void Type(QPlainTextEdit* editor, QChar key) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString(key));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QString(key));
    QApplication::sendEvent(editor, &press);
    QApplication::sendEvent(editor, &release);
}

// Runs the event loop until `until`, blocked while idle, as a running program
// is; the shell's events are handled when `dispatch`. A delayed event for a
// menu number nothing uses marks the end.
void RunUntil(std::chrono::steady_clock::time_point until, bool dispatch) {
    constexpr int kEndOfWait = -1000;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        until - std::chrono::steady_clock::now());
    platform::PostEventAfter(static_cast<int>(std::max<long>(left.count(), 0)),
                             {platform::EventKind::Menu, kEndOfWait});
    for (;;) {
        const platform::Event event = platform::WaitForEvent();
        if (event.kind == platform::EventKind::Menu && event.number == kEndOfWait) {
            return;
        }
        if (dispatch) {
            DispatchEvent(event);
        }
    }
}

// CPU seconds per key, typing kTypedKeys keys kKeyInterval apart.
double TypingCpuPerKey(QPlainTextEdit* editor, bool dispatch) {
    const double start = ProcessCpuSeconds();
    auto next = std::chrono::steady_clock::now();
    for (int i = 0; i < kTypedKeys; ++i) {
        Type(editor, i % 6 == 5 ? QLatin1Char(' ') : QLatin1Char('a'));
        if (dispatch) {
            DispatchPending();
        }
        next += kKeyInterval;
        RunUntil(next, dispatch);
    }
    return (ProcessCpuSeconds() - start) / kTypedKeys;
}

// The bare editor: a top-level QPlainTextEdit of the window's editor's size.
QPlainTextEdit* BareEditor(std::size_t length) {
    static QPlainTextEdit* bare = [] {
        auto* editor = new QPlainTextEdit;
        editor->resize(700, 190);
        editor->show();
        return editor;
    }();
    Load(bare, length);
    return bare;
}

// Arguments: the text's length, and whether long sentences are marked.
void BM_ForcedLivePass(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    shell.highlight = state.range(1) != 0;
    QPlainTextEdit* editor = WindowEditor();
    if (editor == nullptr) {
        state.SkipWithError("the window did not open");
        return;
    }
    // The baseline first: the same changes in the bare editor.
    QPlainTextEdit* bare = BareEditor(length);
    bool remove = true;
    constexpr int kBareChanges = 200;
    const double bareStart = WallSeconds();
    for (int i = 0; i < kBareChanges; ++i) {
        Change(bare, remove);
        QCoreApplication::processEvents();
    }
    const double bareSeconds = (WallSeconds() - bareStart) / kBareChanges;

    Load(editor, length);
    // Builds the results area once, as the first keystroke does.
    DispatchEvent({platform::EventKind::Control, kEditor, platform::EventType::Change});
    DispatchPending();
    remove = true;
    double ownSeconds = 0;
    for (auto _ : state) {
        // Every change pays for a live pass: neither throttle holds it back.
        shell.live.lastEditorPassTime = 0;
        shell.live.lastLivePassTime = 0;
        const double start = WallSeconds();
        Change(editor, remove);
        DispatchPending();
        const double elapsed = WallSeconds() - start;
        ownSeconds += elapsed;
        state.SetIterationTime(elapsed);
    }
    const double perChange = ownSeconds / static_cast<double>(state.iterations());
    state.counters["bare_ms"] = bareSeconds * 1e3;
    state.counters["ratio"] = perChange / bareSeconds;
    state.counters["rss_MiB"] = ResidentKibibytes() / 1024.0;
}

void BM_TypingAtPace(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    QPlainTextEdit* editor = WindowEditor();
    if (editor == nullptr) {
        state.SkipWithError("the window did not open");
        return;
    }
    for (auto _ : state) {
        const double bare = TypingCpuPerKey(BareEditor(length), false);
        Load(editor, length);
        DispatchEvent({platform::EventKind::Control, kEditor, platform::EventType::Change});
        DispatchPending();
        const double own = TypingCpuPerKey(editor, true);
        state.counters["cpu_ms_per_key"] = own * 1e3;
        state.counters["bare_cpu_ms_per_key"] = bare * 1e3;
        state.counters["ratio"] = own / bare;
    }
}

}  // namespace

// Analysing and marking the whole text again, unchanged, as the trailing pass does.
void BM_MarkSentences(benchmark::State& state) {
    const std::u16string text = SampleEnglishText(static_cast<std::size_t>(state.range(0)));
    shell.highlight = true;
    const ProseDocument& draft = ReadDraft(text);
    for (auto _ : state) {
        const DocumentAnalysis analysis = AnalyseDraft(draft);
        ShowSentenceMarks(analysis.sentences, analysis.figures);
    }
}

namespace {

constexpr char kBareFlag[] = "--resident-bare";
constexpr char kWindowFlag[] = "--resident-window";
constexpr std::size_t kResidentTextLength = 32768;

// Nothing of the real user's: temporary folders and an offscreen display with
// a screen wide enough for the program.
bool PointUserFoldersAt(const QTemporaryDir& home) {
    const QString screens = home.filePath(QStringLiteral("screens.json"));
    QFile config(screens);
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(R"({"screens": [{"name": "main", "width": 1440, "height": 900}]})") < 0) {
        return false;
    }
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toUtf8());
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    return true;
}

// A child process: the bare editor or the window holding the text, settled,
// prints its resident memory in KiB.
int PrintResident(int argc, char** argv, bool window) {
    if (!window) {
        const QApplication application(argc, argv);
        BareEditor(kResidentTextLength);
        QEventLoop settle;
        QTimer::singleShot(2000, &settle, &QEventLoop::quit);
        settle.exec();
        std::printf("%.0f\n", ResidentKibibytes());
        return 0;
    }
    if (platform::InitialisePlatform(argc, argv) != platform::SessionStart::Started || !StartUp()) {
        return 1;
    }
    Load(WindowEditor(), kResidentTextLength);
    DispatchEvent({platform::EventKind::Control, kEditor, platform::EventType::Change});
    // Long enough for the trailing pass to have marked the text.
    RunUntil(std::chrono::steady_clock::now() + std::chrono::seconds(2), true);
    std::printf("%.0f\n", ResidentKibibytes());
    ResetShellState();
    platform::ShutdownPlatform();
    return 0;
}

double ChildResidentMebibytes(const char* flag) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(flag)});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        return -1;
    }
    return child.readAllStandardOutput().trimmed().toDouble() / 1024.0;
}

// Each in a process of its own, as a user would meet them.
void BM_ResidentMemory(benchmark::State& state) {
    for (auto _ : state) {
        const double bare = ChildResidentMebibytes(kBareFlag);
        const double window = ChildResidentMebibytes(kWindowFlag);
        if (bare < 0 || window < 0) {
            state.SkipWithError("a child process failed");
            return;
        }
        state.counters["bare_MiB"] = bare;
        state.counters["window_MiB"] = window;
        state.counters["extra_MiB"] = window - bare;
    }
}

}  // namespace

BENCHMARK(BM_ForcedLivePass)
    ->Args({1000, 1})
    ->Args({32768, 0})
    ->Args({32768, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MarkSentences)->Arg(32768)->Unit(benchmark::kMillisecond);
// Below about 15K the trailing pass comes between keys typed at this pace.
BENCHMARK(BM_TypingAtPace)
    ->Arg(4000)
    ->Arg(12000)
    ->Arg(32700)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResidentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    const QTemporaryDir home;
    if (!PointUserFoldersAt(home)) {
        return 1;
    }
    if (argc == 2 &&
        (argv[1] == std::string_view(kBareFlag) || argv[1] == std::string_view(kWindowFlag))) {
        return PrintResident(argc, argv, argv[1] == std::string_view(kWindowFlag));
    }
    benchmark::Initialize(&argc, argv);
    if (platform::InitialisePlatform(argc, argv) != platform::SessionStart::Started || !StartUp()) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    ResetShellState();
    platform::ShutdownPlatform();
    benchmark::Shutdown();
    return 0;
}
