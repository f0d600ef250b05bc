#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRegion>

#include <algorithm>
#include <map>
#include <optional>

#include "platform/Platform.h"
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/Editor.h"
#include "platform/qt/Icons.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtText.h"

namespace platform {
namespace {

constexpr int kHelpIconSize = 16;
constexpr int kButtonIconSize = 16;
constexpr int kImageButtonIconSize = 24;
const QColor kEditorBackground(254, 255, 223);

struct Control {
    ControlKind kind = ControlKind::Label;
    QPointer<QWidget> widget;
    // A label's text and a bar's value wait here until the event loop turns, so
    // that a row reset and drawn again within one event leaves its widgets alone.
    std::optional<QString> pendingText;
    std::optional<int> pendingValue;
};

std::map<int, Control> controls;
bool applyScheduled = false;

// Set while the program itself writes into an editor, so that only the user's
// changes become events.
bool settingEditorText = false;

// The control with that number, or nullptr once its window has gone.
Control* Find(int number) {
    const auto found = controls.find(number);
    if (found == controls.end()) {
        return nullptr;
    }
    if (found->second.widget == nullptr) {
        controls.erase(found);
        return nullptr;
    }
    return &found->second;
}

template <typename Widget>
Widget* FindAs(int number) {
    Control* control = Find(number);
    return control != nullptr ? qobject_cast<Widget*>(control->widget) : nullptr;
}

void ApplyPending() {
    applyScheduled = false;
    for (auto& [number, control] : controls) {
        if (control.widget == nullptr) {
            continue;
        }
        if (control.pendingText) {
            static_cast<QLabel*>(control.widget.data())->setText(*control.pendingText);
        }
        if (control.pendingValue) {
            // QProgressBar repaints at once on a large change; with updates off it
            // is painted with everything else instead.
            auto* bar = static_cast<QProgressBar*>(control.widget.data());
            bar->setUpdatesEnabled(false);
            bar->setValue(*control.pendingValue);
            bar->setUpdatesEnabled(true);
        }
        control.pendingText.reset();
        control.pendingValue.reset();
    }
}

// A label whose text changes repaints every control stacked over it, so each
// label is clipped to what the controls above it (created after it) leave
// showing; a hidden control leaves nothing out.
void ClipLabel(QLabel* label) {
    QRegion showing(label->rect());
    bool above = false;
    for (QObject* child : label->parentWidget()->children()) {
        auto* sibling = qobject_cast<QWidget*>(child);
        if (sibling == label) {
            above = true;
        } else if (above && sibling != nullptr && !sibling->isHidden()) {
            showing -= sibling->geometry().translated(-label->pos());
        }
    }
    if (showing == QRegion(label->rect())) {
        label->clearMask();
    } else {
        label->setMask(showing);
    }
}

void ClipLabelsBeneath(const QWidget* control, const QRect& area) {
    for (QObject* child : control->parentWidget()->children()) {
        if (child == control) {
            return;  // children are in stacking order, the last on top
        }
        if (auto* label = qobject_cast<QLabel*>(child);
            label != nullptr && label->geometry().intersects(area)) {
            ClipLabel(label);
        }
    }
}

// Queued, so nested event loops (an alert's) apply it as well.
void ScheduleApply() {
    if (!applyScheduled) {
        applyScheduled = true;
        QMetaObject::invokeMethod(QCoreApplication::instance(), ApplyPending, Qt::QueuedConnection);
    }
}

// The text with its breaks as line feeds; "\n\r" is a paragraph break.
QString PlainTooltip(std::u16string_view text) {
    QString plain;
    plain.reserve(static_cast<qsizetype>(text.size()));
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const char16_t next = i + 1 < text.size() ? text[i + 1] : u'\0';
        if (c == u'\n' && next == u'\r') {
            plain += QStringLiteral("\n\n");
            ++i;
        } else if (c == u'\r' && next == u'\n') {
            plain += QLatin1Char('\n');
            ++i;
        } else {
            plain += c == u'\r' ? QChar(u'\n') : QChar(c);
        }
    }
    return plain;
}

// Tooltips keep the texts' paragraphs and wrap instead of growing as wide as a line.
QString TooltipHtml(const QString& plain) {
    QString html = plain.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return QStringLiteral("<p style='white-space:pre-wrap'>") + html + QStringLiteral("</p>");
}

void ApplyEditorColours(QPlainTextEdit* editor, bool blackText) {
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, kEditorBackground);
    palette.setColor(QPalette::Text,
                     blackText ? QColor(Qt::black) : QApplication::palette().color(QPalette::Text));
    editor->setPalette(palette);
}

QLabel* NewLabel(QWidget* parent, std::u16string_view text, Qt::Alignment alignment) {
    auto* label = new QLabel(qt::ToQString(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    // Filled, a label whose text changed is repainted without the window
    // painting beneath it first.
    label->setAutoFillBackground(true);
    return label;
}

QLabel* NewHelpIcon(QWidget* parent) {
    auto* icon = new qt::HelpIcon(parent);
    icon->setPixmap(qt::SymbolIcon(ImageKind::Help).pixmap(kHelpIconSize, kHelpIconSize));
    icon->setFocusPolicy(Qt::TabFocus);
    return icon;
}

QPushButton* NewButton(QWidget* parent, int number, std::u16string_view text) {
    auto* button = new qt::Button(qt::ToQString(text), parent);
    // A click focuses the button too, which tells the gear menu where it was opened.
    button->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(button, &QPushButton::clicked, [number] {
        PostEvent({EventKind::Control, number, EventType::Click});
    });
    return button;
}

QPushButton* NewRoundButton(QWidget* parent, int number, Rect frame, std::u16string_view text) {
    QPushButton* button = NewButton(parent, number, text);
    const int radius = std::min(frame.width, frame.height) / 2;
    button->setStyleSheet(QStringLiteral("QPushButton { border: 1px solid palette(mid); "
                                         "border-radius: %1px; background: palette(button); }"
                                         "QPushButton:pressed { background: palette(midlight); }")
                              .arg(radius));
    return button;
}

QPushButton* NewImageButton(QWidget* parent, int number) {
    QPushButton* button = NewButton(parent, number, u"");
    button->setIconSize(QSize(kImageButtonIconSize, kImageButtonIconSize));
    return button;
}

QPlainTextEdit* NewEditor(QWidget* parent, int number, std::u16string_view text) {
    // Connected after the text is in, so a new editor raises no change event.
    auto* editor = new qt::Editor(parent);
    editor->SetExactText(qt::ToQString(text));
    editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab leaves the editor, or the keyboard could not get past it.
    editor->setTabChangesFocus(true);
    QObject::connect(editor, &QPlainTextEdit::textChanged, [number] {
        if (!settingEditorText) {
            PostEvent({EventKind::Control, number, EventType::Change});
        }
    });
    ApplyEditorColours(editor, false);
    return editor;
}

QComboBox* NewDropDown(QWidget* parent, int number) {
    auto* dropDown = new QComboBox(parent);
    dropDown->setEditable(false);
    // activated comes only from the user, never from the program's own changes.
    QObject::connect(dropDown, &QComboBox::activated, [number] {
        PostEvent({EventKind::Control, number, EventType::Change});
    });
    return dropDown;
}

QProgressBar* NewProgressBar(QWidget* parent) {
    auto* bar = new qt::MeterBar(parent);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    // It paints every pixel, so the window need not paint beneath it.
    bar->setAttribute(Qt::WA_OpaquePaintEvent);
    return bar;
}

QWidget* NewControl(QWidget* parent, ControlKind kind, int number, Rect frame,
                    std::u16string_view text) {
    switch (kind) {
        case ControlKind::Label:
            return NewLabel(parent, text, Qt::AlignLeft | Qt::AlignVCenter);
        case ControlKind::CentredLabel:
            return NewLabel(parent, text, Qt::AlignCenter);
        case ControlKind::HelpIcon:
            return NewHelpIcon(parent);
        case ControlKind::PushButton:
            return NewButton(parent, number, text);
        case ControlKind::RoundButton:
            return NewRoundButton(parent, number, frame, text);
        case ControlKind::ImageButton:
            return NewImageButton(parent, number);
        case ControlKind::Editor:
            return NewEditor(parent, number, text);
        case ControlKind::DropDown:
            return NewDropDown(parent, number);
        case ControlKind::ProgressBar:
            return NewProgressBar(parent);
    }
    return nullptr;
}

// Qt on Linux names a drop-down after its chosen item and says what it is
// through a label whose buddy it is, so an unseen label carries the name.
void NameDropDown(QComboBox* dropDown, const QString& name) {
    const QString labelName = dropDown->objectName() + QStringLiteral("-name");
    QWidget* parent = dropDown->parentWidget();
    auto* label = parent->findChild<QLabel*>(labelName, Qt::FindDirectChildrenOnly);
    if (label == nullptr) {
        label = new QLabel(parent);
        label->setObjectName(labelName);
        label->hide();
        label->setBuddy(dropDown);
        QObject::connect(dropDown, &QObject::destroyed, label, &QObject::deleteLater);
    }
    // A lone ampersand would mark a mnemonic.
    label->setText(QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

// A help icon keeps its top-left corner and takes its image's size.
void FitHelpIcon(QWidget* widget) {
    widget->resize(kHelpIconSize, kHelpIconSize);
}

QFont ControlFont(FontKind font) {
    if (font == FontKind::System) {
        return QApplication::font();
    }
    // The window's geometry is in macOS points, one pixel each, and so are the
    // sizes; Qt's points would be a third larger and clip the captions.
    QFont systemFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    systemFont.setPixelSize(font == FontKind::Summary ? 11 : 14);
    systemFont.setBold(font == FontKind::MetricName);
    return systemFont;
}

}  // namespace

void CreateControl(ControlKind kind, int number, Rect frame, std::u16string_view text) {
    QWidget* parent = qt::MainWindowWidget();
    if (parent == nullptr) {
        return;
    }
    QRect replaced;
    if (Control* old = Find(number)) {
        replaced = old->widget->geometry();
        delete old->widget;
    }
    QWidget* widget = NewControl(parent, kind, number, frame, text);
    widget->setGeometry(frame.x, frame.y, frame.width, frame.height);
    if (kind == ControlKind::HelpIcon) {
        FitHelpIcon(widget);
    }
    widget->setObjectName(QStringLiteral("control-%1").arg(number));
    widget->show();
    ClipLabelsBeneath(widget, widget->geometry().united(replaced));
    if (number != 0) {
        controls[number] = Control{kind, widget, std::nullopt, std::nullopt};
    }
}

bool ControlExists(int number) {
    return Find(number) != nullptr;
}

void SetControlText(int number, std::u16string_view text) {
    Control* control = Find(number);
    if (control == nullptr) {
        return;
    }
    const QString value = qt::ToQString(text);
    if (auto* label = qobject_cast<QLabel*>(control->widget);
        label != nullptr && control->kind != ControlKind::HelpIcon) {
        control->pendingText = label->text() == value ? std::nullopt : std::optional(value);
        ScheduleApply();
    } else if (auto* button = qobject_cast<QPushButton*>(control->widget)) {
        button->setText(value);
    } else if (auto* editor = qobject_cast<qt::Editor*>(control->widget)) {
        settingEditorText = true;
        editor->SetExactText(value);
        settingEditorText = false;
    }
}

std::u16string ControlText(int number) {
    Control* control = Find(number);
    if (control == nullptr) {
        return {};
    }
    if (auto* label = qobject_cast<QLabel*>(control->widget)) {
        return qt::ToU16(control->pendingText.value_or(label->text()));
    }
    if (auto* button = qobject_cast<QPushButton*>(control->widget)) {
        return qt::ToU16(button->text());
    }
    if (auto* editor = qobject_cast<qt::Editor*>(control->widget)) {
        return qt::ToU16(editor->ExactText());
    }
    if (auto* dropDown = qobject_cast<QComboBox*>(control->widget)) {
        return qt::ToU16(dropDown->currentText());
    }
    return {};
}

void SetControlValue(int number, int value) {
    if (auto* bar = FindAs<QProgressBar>(number)) {
        // QProgressBar ignores a value outside its range and would keep the old one.
        const int shown = std::clamp(value, bar->minimum(), bar->maximum());
        Find(number)->pendingValue = bar->value() == shown ? std::nullopt : std::optional(shown);
        ScheduleApply();
    } else if (auto* dropDown = FindAs<QComboBox>(number)) {
        if (value >= 0 && value < dropDown->count()) {
            dropDown->setCurrentIndex(value);
        }
    }
}

int ControlValue(int number) {
    if (auto* bar = FindAs<QProgressBar>(number)) {
        return Find(number)->pendingValue.value_or(bar->value());
    }
    if (auto* dropDown = FindAs<QComboBox>(number)) {
        return dropDown->currentIndex();
    }
    return 0;
}

void SetControlMaximum(int number, int maximum) {
    if (auto* bar = FindAs<QProgressBar>(number)) {
        bar->setRange(0, std::max(maximum, 0));
        if (std::optional<int>& pending = Find(number)->pendingValue) {
            pending = std::clamp(*pending, bar->minimum(), bar->maximum());
        }
    }
}

void SetControlItems(int number, const std::vector<std::u16string_view>& items) {
    auto* dropDown = FindAs<QComboBox>(number);
    if (dropDown == nullptr) {
        return;
    }
    QStringList titles;
    for (const std::u16string_view item : items) {
        titles.append(qt::ToQString(item));
    }
    dropDown->clear();
    dropDown->addItems(titles);
}

void SetControlTooltip(int number, std::u16string_view text) {
    if (Control* control = Find(number)) {
        const QString plain = PlainTooltip(text);
        control->widget->setToolTip(plain.isEmpty() ? QString() : TooltipHtml(plain));
        // Without its own description, assistive technology would read the tooltip's markup.
        control->widget->setAccessibleDescription(plain);
    }
}

void SetControlAccessibleName(int number, std::u16string_view name) {
    Control* control = Find(number);
    if (control == nullptr) {
        return;
    }
    const QString value = qt::ToQString(name);
    // Every change is announced to assistive technology, so an unchanged name is not set again.
    if (control->widget->accessibleName() != value) {
        control->widget->setAccessibleName(value);
    }
    if (auto* dropDown = qobject_cast<QComboBox*>(control->widget)) {
        NameDropDown(dropDown, value);
    }
}

void SetControlEnabled(int number, bool enabled) {
    if (Control* control = Find(number)) {
        control->widget->setEnabled(enabled);
    }
}

bool ControlEnabled(int number) {
    Control* control = Find(number);
    return control != nullptr && control->widget->isEnabled();
}

void SetControlVisible(int number, bool visible) {
    Control* control = Find(number);
    if (control == nullptr || control->widget->isHidden() == !visible) {
        return;
    }
    control->widget->setVisible(visible);
    ClipLabelsBeneath(control->widget, control->widget->geometry());
}

// Whether the program hid it, independent of whether the window is on screen.
bool ControlVisible(int number) {
    Control* control = Find(number);
    return control != nullptr && !control->widget->isHidden();
}

void SetControlFont(int number, FontKind font) {
    if (Control* control = Find(number)) {
        control->widget->setFont(ControlFont(font));
    }
}

void SetControlImage(int number, ImageKind image) {
    Control* control = Find(number);
    if (control == nullptr) {
        return;
    }
    const QIcon icon = qt::SymbolIcon(image);
    if (auto* button = qobject_cast<QPushButton*>(control->widget)) {
        button->setIcon(icon);
        if (control->kind != ControlKind::ImageButton) {
            button->setIconSize(QSize(kButtonIconSize, kButtonIconSize));
        }
    } else if (auto* label = qobject_cast<QLabel*>(control->widget)) {
        label->setPixmap(icon.pixmap(kHelpIconSize, kHelpIconSize));
        FitHelpIcon(label);
    }
}

void SetEditorColours(int number, bool blackText) {
    if (auto* editor = FindAs<QPlainTextEdit>(number)) {
        ApplyEditorColours(editor, blackText);
    }
}

void FocusControl(int number) {
    if (Control* control = Find(number)) {
        control->widget->setFocus();
    }
}

void SetEditorMarks(int number, const std::vector<EditorMark>& marks) {
    if (auto* editor = FindAs<qt::Editor>(number)) {
        editor->SetMarks(marks);
    }
}

std::size_t EditorCursor(int number) {
    const auto* editor = FindAs<qt::Editor>(number);
    return editor != nullptr ? editor->CursorOffset() : 0;
}

void SetEditorCursor(int number, std::size_t offset) {
    if (auto* editor = FindAs<qt::Editor>(number)) {
        editor->SetCursorOffset(offset);
    }
}

void ShowEditorRange(int number, std::size_t start, std::size_t end) {
    if (auto* editor = FindAs<qt::Editor>(number)) {
        editor->ShowRange(start, end);
    }
}

void ReplaceEditorText(int number, std::u16string_view text, int undoNumber, int redoNumber) {
    if (auto* editor = FindAs<qt::Editor>(number)) {
        editor->ReplaceText(qt::ToQString(text), undoNumber, redoNumber);
    }
}

}  // namespace platform
