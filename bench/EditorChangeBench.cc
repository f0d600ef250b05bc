// One keystroke in the real window, offscreen: the editor's change event and
// everything the shell does for it, its live pass included.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>

#include <fstream>
#include <string>

#include "bench/SampleText.h"
#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/EventDispatch.h"
#include "shell/ShellState.h"
#include "shell/StartUp.h"

namespace {

QPlainTextEdit* Editor() {
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

void BM_EditorChange(benchmark::State& state) {
    QPlainTextEdit* editor = Editor();
    if (editor == nullptr) {
        state.SkipWithError("the window did not open");
        return;
    }
    editor->setPlainText(
        QString::fromStdU16String(SampleEnglishText(static_cast<std::size_t>(state.range(0)))));
    editor->moveCursor(QTextCursor::End);
    // Builds the results area once, as the first keystroke does.
    DispatchEvent({platform::EventKind::Control, kEditor, platform::EventType::Change});
    DispatchPending();

    bool remove = true;
    for (auto _ : state) {
        state.PauseTiming();
        // Every keystroke pays for a live pass: neither throttle holds it back.
        shell.live.lastEditorPassTime = 0;
        shell.live.lastLivePassTime = 0;
        state.ResumeTiming();
        // Alternately removing and putting back the last character keeps the
        // text at its length, never above the limit.
        if (remove) {
            editor->textCursor().deletePreviousChar();
        } else {
            editor->insertPlainText(QStringLiteral("s"));
        }
        remove = !remove;
        DispatchPending();
    }
    state.counters["rss_MiB"] = ResidentKibibytes() / 1024.0;
}

}  // namespace

BENCHMARK(BM_EditorChange)->Arg(1000)->Arg(32768)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // Nothing of the real user's: temporary folders and an offscreen display
    // with a screen wide enough for the program.
    QTemporaryDir home;
    const QString screens = home.filePath(QStringLiteral("screens.json"));
    QFile config(screens);
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(R"({"screens": [{"name": "main", "width": 1440, "height": 900}]})") < 0) {
        return 1;
    }
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toUtf8());
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    if (platform::InitialisePlatform(argc, argv) != platform::SessionStart::Started || !StartUp()) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    ResetShellState();
    platform::ShutdownPlatform();
    benchmark::Shutdown();
    return 0;
}
