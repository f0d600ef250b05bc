#include <algorithm>

#include "platform/recording/RecordingState.h"

namespace platform {

using recording::ControlState;
using recording::FindControl;
using recording::TheDesktop;

// ---- Window ----

bool WindowExists() {
    return TheDesktop().window.exists;
}

void CreateWindow(Point topLeft, int contentWidth, int contentHeight, std::u16string_view title) {
    DestroyWindow();
    auto& window = TheDesktop().window;
    window.exists = true;
    window.position = topLeft;
    window.contentWidth = contentWidth;
    window.contentHeight = contentHeight;
    window.title = title;
}

void DestroyWindow() {
    auto& desktop = TheDesktop();
    desktop.window = {};
    desktop.controls.clear();
    desktop.gearMenu = {};
}

void SetWindowContentHeight(int height) {
    if (WindowExists()) {
        TheDesktop().window.contentHeight = height;
    }
}

int WindowContentHeight() {
    return TheDesktop().window.contentHeight;
}

Point WindowPosition() {
    return TheDesktop().window.position;
}

void SetWindowFloating(bool floating) {
    if (WindowExists()) {
        TheDesktop().window.floating = floating;
    }
}

void BringWindowToFront() {
    if (WindowExists()) {
        ++TheDesktop().window.timesBroughtToFront;
    }
}

void AddWindowShortcut(int number, std::string_view keys) {
    if (WindowExists()) {
        TheDesktop().window.shortcuts[std::string(keys)] = number;
    }
}

// ---- Controls ----

void CreateControl(ControlKind kind, int number, Rect frame, std::u16string_view text) {
    auto& controls = TheDesktop().controls;
    if (!WindowExists()) {
        return;
    }
    if (number != 0) {
        std::erase_if(controls, [number](const ControlState& c) { return c.number == number; });
    }
    ControlState control;
    control.kind = kind;
    control.number = number;
    control.frame = frame;
    control.text = text;
    controls.push_back(std::move(control));
}

bool ControlExists(int number) {
    return FindControl(number) != nullptr;
}

void SetControlText(int number, std::u16string_view text) {
    if (auto* control = FindControl(number)) {
        control->text = text;
    }
}

std::u16string ControlText(int number) {
    const auto* control = FindControl(number);
    if (control == nullptr) {
        return {};
    }
    // A drop-down's text is its chosen item's title.
    if (control->kind == ControlKind::DropDown) {
        const bool chosen =
            control->value >= 0 && control->value < static_cast<int>(control->items.size());
        return chosen ? control->items[control->value] : std::u16string();
    }
    return control->text;
}

void SetControlValue(int number, int value) {
    auto* control = FindControl(number);
    if (control == nullptr) {
        return;
    }
    if (control->kind == ControlKind::ProgressBar) {
        control->value = std::clamp(value, 0, control->maximum);
    } else if (control->kind != ControlKind::DropDown ||
               (value >= 0 && value < static_cast<int>(control->items.size()))) {
        control->value = value;
    }
}

int ControlValue(int number) {
    const auto* control = FindControl(number);
    return control ? control->value : 0;
}

void SetControlMaximum(int number, int maximum) {
    if (auto* control = FindControl(number)) {
        control->maximum = std::max(maximum, 0);
    }
}

void SetControlItems(int number, const std::vector<std::u16string_view>& items) {
    if (auto* control = FindControl(number)) {
        control->items.assign(items.begin(), items.end());
    }
}

void SetControlTooltip(int number, std::u16string_view text) {
    if (auto* control = FindControl(number)) {
        control->tooltip = text;
        control->accessibleDescription = text;
    }
}

void SetEditorMarks(int number, const std::vector<EditorMark>& marks) {
    if (auto* control = FindControl(number); control && control->kind == ControlKind::Editor) {
        control->marks = marks;
    }
}

std::size_t EditorCursor(int number) {
    const auto* control = FindControl(number);
    return control != nullptr && control->kind == ControlKind::Editor ? control->cursor : 0;
}

void SetEditorCursor(int number, std::size_t offset) {
    if (auto* control = FindControl(number); control && control->kind == ControlKind::Editor) {
        control->cursor = std::min(offset, control->text.size());
    }
}

void ShowEditorRange(int number, std::size_t start, std::size_t end) {
    if (auto* control = FindControl(number); control && control->kind == ControlKind::Editor) {
        control->shownRange = {start, end};
    }
}

void ReplaceEditorText(int number, std::u16string_view text, int undoNumber, int redoNumber) {
    if (auto* control = FindControl(number); control && control->kind == ControlKind::Editor) {
        control->undoSteps.push_back({control->text, undoNumber, redoNumber});
        control->redoSteps.clear();
        control->text = text;
        control->cursor = text.size();
        PostEvent({EventKind::Control, number, EventType::Change});
    }
}

void SetControlAccessibleName(int number, std::u16string_view name) {
    if (auto* control = FindControl(number)) {
        control->accessibleName = name;
    }
}

void SetControlEnabled(int number, bool enabled) {
    if (auto* control = FindControl(number)) {
        control->enabled = enabled;
    }
}

bool ControlEnabled(int number) {
    const auto* control = FindControl(number);
    return control && control->enabled;
}

void SetControlVisible(int number, bool visible) {
    if (auto* control = FindControl(number)) {
        control->visible = visible;
    }
}

bool ControlVisible(int number) {
    const auto* control = FindControl(number);
    return control && control->visible;
}

void SetControlFont(int number, FontKind font) {
    if (auto* control = FindControl(number)) {
        control->font = font;
    }
}

void SetControlImage(int number, ImageKind image) {
    if (auto* control = FindControl(number)) {
        control->image = image;
    }
}

void SetEditorColours(int number, bool blackText) {
    if (auto* control = FindControl(number)) {
        control->blackText = blackText;
    }
}

void FocusControl(int number) {
    if (ControlExists(number)) {
        TheDesktop().window.focusedControl = number;
    }
}

// ---- Gear menu ----

void CreateGearMenu(const std::vector<MenuItem>& items) {
    if (!WindowExists()) {
        return;
    }
    auto& menu = TheDesktop().gearMenu;
    menu = {};
    menu.exists = true;
    for (const auto& item : items) {
        menu.items.emplace_back(item.number, std::u16string(item.title));
        menu.checked[item.number] = false;
    }
}

bool GearMenuExists() {
    return TheDesktop().gearMenu.exists;
}

void SetMenuItemChecked(int number, bool checked) {
    auto& menu = TheDesktop().gearMenu;
    if (menu.checked.contains(number)) {
        menu.checked[number] = checked;
    }
}

bool MenuItemChecked(int number) {
    const auto& checked = TheDesktop().gearMenu.checked;
    const auto found = checked.find(number);
    return found != checked.end() && found->second;
}

void ShowGearMenuAtPointer() {
    if (GearMenuExists()) {
        ++TheDesktop().gearMenu.timesShown;
    }
}

// ---- Status item ----

bool HasStatusArea() {
    return TheDesktop().hasStatusArea;
}
void CreateStatusItem(int quitNumber) {
    TheDesktop().statusItem = true;
    TheDesktop().statusItemQuitNumber = quitNumber;
}
void RemoveStatusItem() {
    TheDesktop().statusItem = false;
}

namespace recording {

ControlState* FindControl(int number) {
    if (number == 0) {
        return nullptr;
    }
    auto& controls = TheDesktop().controls;
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [number](const ControlState& c) { return c.number == number; });
    return found == controls.end() ? nullptr : &*found;
}

const ControlState* Control(int number) {
    return FindControl(number);
}
std::vector<ControlState> Controls() {
    return TheDesktop().controls;
}
const WindowState& Window() {
    return TheDesktop().window;
}
const GearMenuState& GearMenu() {
    return TheDesktop().gearMenu;
}
bool StatusItemExists() {
    return TheDesktop().statusItem;
}

void TypeIntoEditor(std::u16string_view text) {
    for (auto& control : TheDesktop().controls) {
        if (control.kind == ControlKind::Editor) {
            control.redoSteps.clear();
            SetControlText(control.number, text);
            PostEvent({EventKind::Control, control.number, EventType::Change});
            return;
        }
    }
}

namespace {

void StepOver(bool forward) {
    for (auto& control : TheDesktop().controls) {
        auto& from = forward ? control.redoSteps : control.undoSteps;
        auto& to = forward ? control.undoSteps : control.redoSteps;
        if (control.kind != ControlKind::Editor || from.empty()) {
            continue;
        }
        EditorStep step = std::move(from.back());
        from.pop_back();
        std::swap(step.text, control.text);
        PostEvent({EventKind::Menu, forward ? step.redoNumber : step.undoNumber});
        PostEvent({EventKind::Control, control.number, EventType::Change});
        to.push_back(std::move(step));
        return;
    }
}

}  // namespace

void UndoInEditor() {
    StepOver(false);
}

void RedoInEditor() {
    StepOver(true);
}

void Click(int number) {
    if (ControlEnabled(number)) {
        PostEvent({EventKind::Control, number, EventType::Click});
    }
}

void SelectItem(int number, int index) {
    if (ControlEnabled(number)) {
        SetControlValue(number, index);
        PostEvent({EventKind::Control, number, EventType::Change});
    }
}

void ChooseMenuItem(int number) {
    PostEvent({EventKind::Menu, number});
}

bool PressShortcut(std::string_view keys) {
    const auto& shortcuts = TheDesktop().window.shortcuts;
    const auto found = shortcuts.find(keys);
    if (found == shortcuts.end()) {
        return false;
    }
    PostEvent({EventKind::Menu, found->second});
    return true;
}

void ClickStatusItem() {
    if (StatusItemExists()) {
        PostEvent({EventKind::StatusItem});
    }
}

void ChooseStatusMenuQuit() {
    if (StatusItemExists()) {
        PostEvent({EventKind::Menu, TheDesktop().statusItemQuitNumber});
    }
}

void ClickCloseButton() {
    if (WindowExists()) {
        PostEvent({EventKind::CloseWindow});
    }
}

}  // namespace recording

}  // namespace platform
