#include "shell/RecommendationsView.h"

#include <string>

#include "engine/Scenario.h"
#include "platform/Platform.h"
#include "report/Recommendations.h"
#include "shell/ControlNumbers.h"
#include "shell/MainWindow.h"
#include "shell/ShellState.h"

void ShowRecommendations(const AnalysisJob& job, EnglishVariant variant) {
    platform::SetControlEnabled(kRecommendationsButton, true);
    const int scenario = shell.scenario;
    const std::u16string report = BuildRecommendations(job, scenario, variant);
    SetResultButtonsEnabled(false);

    std::u16string title = u"Recommendations: ";
    title += kScenarioNames[scenario];
    title += u" Scenario ";
    title += VariantFlag(variant);
    platform::ShowMessage(title, report, platform::AlertIcon::Note);

    SetResultButtonsEnabled(EditorHoldsText());
    platform::BringWindowToFront();
}
