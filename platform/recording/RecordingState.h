#pragma once

// What the recording desktop holds outside the event queue; main thread only.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/recording/Recording.h"

namespace platform::recording {

struct Desktop {
    std::vector<ControlState> controls;  // creation order
    WindowState window;
    GearMenuState gearMenu;
    bool statusItem = false;
    int statusItemQuitNumber = 0;
    bool hasStatusArea = true;
    bool shutDown = false;

    std::vector<AlertRecord> alerts;
    std::deque<int> alertAnswers;
    std::function<void(const AlertRecord&)> alertHook;

    bool preferencesExist = false;
    bool preferencesFailing = false;
    std::map<std::string, std::u16string, std::less<>> preferences;        // as read back
    std::map<std::string, std::u16string, std::less<>> syncedPreferences;  // on the disk
    std::vector<PreferenceOperation> preferenceLog;

    std::vector<Rect> screens{{0, 0, 1440, 900}};
    Point pointer{720, 10};
    int menuBarHeight = 25;
    std::string locale = "en_US";
    bool darkMode = false;
    std::vector<std::string> openedUrls;

    std::string savePanelAnswer;
    std::vector<SavePanelRecord> savePanels;
    std::chrono::local_seconds localNow = std::chrono::local_days{std::chrono::year{2025} / 3 / 7} +
                                          std::chrono::hours{14} + std::chrono::minutes{5} +
                                          std::chrono::seconds{9};
    int systemSounds = 0;
    std::vector<std::string> revealedFiles;

    std::map<std::string, std::string, std::less<>> files;
    bool fileWritesFailing = false;
    std::set<std::string, std::less<>> folders;
    std::vector<std::string> droppedPaths;
    std::vector<std::string> droppableSuffixes;

    std::string applicationPath = "/usr/bin/quillory";
    LoginItemForm loginItemForm = LoginItemForm::AutostartEntry;
    bool loginItemsFailing = false;
    std::vector<LoginItemCall> loginItemCalls;
};

Desktop& TheDesktop();
ControlState* FindControl(int number);
void ResetEvents();
void ResetNetwork();

}  // namespace platform::recording
