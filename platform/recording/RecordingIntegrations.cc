#include "platform/recording/RecordingState.h"

namespace platform {

using recording::TheDesktop;

// ---- Export ----

std::string ShowSavePanel(std::u16string_view title, std::u16string_view proposedName,
                          std::u16string_view filterDescription,
                          std::u16string_view filterPattern) {
    auto& desktop = TheDesktop();
    desktop.savePanels.push_back({std::u16string(title), std::u16string(proposedName),
                                  std::u16string(filterDescription),
                                  std::u16string(filterPattern)});
    return desktop.savePanelAnswer;
}

std::chrono::local_seconds LocalNow() {
    return TheDesktop().localNow;
}

void PlaySystemSound() {
    ++TheDesktop().systemSounds;
}

void RevealFile(std::string_view path) {
    TheDesktop().revealedFiles.emplace_back(path);
}

// ---- Start at login ----

std::string ApplicationPath() {
    return TheDesktop().applicationPath;
}

LoginItemForm LoginItemFormHere() {
    return TheDesktop().loginItemForm;
}

bool InstallLoginItem(std::string_view entry) {
    auto& desktop = TheDesktop();
    desktop.loginItemCalls.push_back({true, std::string(entry)});
    return !desktop.loginItemsFailing;
}

bool RemoveLoginItem() {
    auto& desktop = TheDesktop();
    desktop.loginItemCalls.push_back({false, {}});
    return !desktop.loginItemsFailing;
}

namespace recording {

void AnswerSavePanels(std::string path) {
    TheDesktop().savePanelAnswer = std::move(path);
}
const std::vector<SavePanelRecord>& SavePanels() {
    return TheDesktop().savePanels;
}
void SetLocalNow(std::chrono::local_seconds now) {
    TheDesktop().localNow = now;
}
int SystemSoundsPlayed() {
    return TheDesktop().systemSounds;
}
const std::vector<std::string>& RevealedFiles() {
    return TheDesktop().revealedFiles;
}

void SetApplicationPath(std::string path) {
    TheDesktop().applicationPath = std::move(path);
}
void SetLoginItemForm(LoginItemForm form) {
    TheDesktop().loginItemForm = form;
}
void SetLoginItemsFailing(bool failing) {
    TheDesktop().loginItemsFailing = failing;
}
const std::vector<LoginItemCall>& LoginItemCalls() {
    return TheDesktop().loginItemCalls;
}

}  // namespace recording

}  // namespace platform
