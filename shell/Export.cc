#include "shell/Export.h"

#include <string>
#include <string_view>

#include "engine/Scenario.h"
#include "engine/Utf8.h"
#include "platform/Platform.h"
#include "report/Recommendations.h"
#include "results/ExportDocument.h"
#include "shell/Alerts.h"
#include "shell/ControlNumbers.h"
#include "shell/LiveAnalysis.h"
#include "shell/ShellState.h"

namespace {

constexpr std::u16string_view kCancelledMessage =
    u"Your export of the analysis and recommedations was canceled.";

std::u16string NotWrittenMessage(const std::string& path) {
    std::u16string message = u"The analysis could not be written to ";
    message += DecodeUtf8(path).text;
    message += u".";
    return message;
}

}  // namespace

void ExportResults() {
    if (shell.currentJob.text.empty()) {
        ShowError(kNothingToExportMessage);
        return;
    }
    // Right after typing the job may still hold quick counts and older measures;
    // the file must describe the text the user sees.
    CompleteTypingBeforeModal();
    const AnalysisJob& job = shell.currentJob;
    const int scenario = shell.scenario;
    const std::u16string report = BuildRecommendations(job, scenario, shell.locale);

    const std::string proposedName =
        DefaultExportFileName(platform::LocaleIdentifier(), platform::LocalNow());
    const std::string path = platform::ShowSavePanel(
        u"Export Quillory Analysis", DecodeUtf8(proposedName).text, u"Text Files", u"*.txt");
    if (path.empty()) {
        ShowError(kCancelledMessage);
        return;
    }
    const std::string bytes = EncodeUtf8(ExportDocument(job, scenario, shell.locale, report));
    if (!platform::WriteFileAtomically(path, bytes)) {
        ShowError(NotWrittenMessage(path));
        return;
    }
    platform::PlaySystemSound();
    platform::RevealFile(path);
}
