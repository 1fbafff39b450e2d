#include "gui/ControlView.h"

#include "gui/PictureBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>
#include <limits>
#include <stdexcept>

namespace kovex {

namespace {

template <class T> bool is(const QWidget& widget) {
    return qobject_cast<const T*>(&widget) != nullptr;
}

// A control the model hides keeps its place, so that hiding one field never
// shifts the fields around it.
void keepPlaceWhenHidden(QWidget* widget) {
    if (!widget || widget->isWindow())
        return;
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

template <class T> void setTextIfChanged(T* widget, const QString& text) {
    if (widget->text() != text)
        widget->setText(text);
}

} // namespace

const char* widgetClassFor(ControlKind kind) {
    switch (kind) {
    case ControlKind::Page:
        return "QWidget";
    case ControlKind::Group:
    case ControlKind::RadioGroup:
        return "QGroupBox";
    case ControlKind::Label:
        return "QLabel";
    case ControlKind::Edit:
    case ControlKind::DbField:
        return "QLineEdit";
    case ControlKind::Combo:
    case ControlKind::Lookup:
        return "QComboBox";
    case ControlKind::CheckBox:
        return "QCheckBox";
    case ControlKind::Radio:
        return "QRadioButton";
    case ControlKind::Button:
        return "QPushButton";
    case ControlKind::Grid:
        return "QTableWidget";
    case ControlKind::UpDown:
        return "QWidget with two QToolButtons";
    case ControlKind::Image:
        return "kovex::PictureBox";
    case ControlKind::Menu:
        return "QMenu";
    case ControlKind::MenuItem:
        return "QAction";
    }
    return "QWidget";
}

bool widgetFits(ControlKind kind, const QWidget& widget) {
    switch (kind) {
    case ControlKind::Page:
        return true;
    case ControlKind::Group:
        return is<QGroupBox>(widget);
    case ControlKind::RadioGroup:
        return is<QGroupBox>(widget) && !widget.findChildren<QRadioButton*>().isEmpty();
    case ControlKind::Label:
        return is<QLabel>(widget);
    case ControlKind::Edit:
        return is<QLineEdit>(widget);
    case ControlKind::DbField: {
        const auto* edit = qobject_cast<const QLineEdit*>(&widget);
        return edit && edit->isReadOnly();
    }
    case ControlKind::Combo:
    case ControlKind::Lookup:
        return is<QComboBox>(widget);
    case ControlKind::CheckBox:
        return is<QCheckBox>(widget);
    case ControlKind::Radio:
        return is<QRadioButton>(widget);
    case ControlKind::Button:
        return is<QPushButton>(widget);
    case ControlKind::Grid:
        return is<QTableWidget>(widget);
    case ControlKind::UpDown:
        return widget.findChildren<QToolButton*>().size() == 2;
    case ControlKind::Image:
        return is<PictureBox>(widget);
    case ControlKind::Menu:
        return is<QMenu>(widget);
    case ControlKind::MenuItem: // an action, which is no widget
        return false;
    }
    return false;
}

WidgetIndex::WidgetIndex(QWidget& root) : m_root(root) {
    addChildren(root);
    addCaptions(root);
}

// findChild looks at all children of an object before it descends into the
// first of them, so the first widget of a name is the one found that way.
void WidgetIndex::addChildren(const QObject& parent) {
    for (QObject* child : parent.children())
        if (child->isWidgetType())
            m_byName.try_emplace(child->objectName(), static_cast<QWidget*>(child));
    for (const QObject* child : parent.children())
        addChildren(*child);
}

// findChildren lists a label before the objects inside it, and those before
// the label's next sibling; the first label with a buddy captions it.
void WidgetIndex::addCaptions(const QObject& parent) {
    for (QObject* child : parent.children()) {
        if (auto* label = qobject_cast<QLabel*>(child); label && label->buddy())
            m_captions.try_emplace(label->buddy(), label);
        addCaptions(*child);
    }
}

QWidget* WidgetIndex::named(const QString& name) const {
    if (m_root.objectName() == name)
        return &m_root;
    const auto found = m_byName.find(name);
    return found == m_byName.end() ? nullptr : found->second;
}

QLabel* WidgetIndex::captionOf(const QWidget& widget) const {
    const auto found = m_captions.find(&widget);
    return found == m_captions.end() ? nullptr : found->second;
}

QWidget& findControlWidget(QWidget& root, const Control& control) {
    return findControlWidget(WidgetIndex(root), control);
}

QWidget& findControlWidget(const WidgetIndex& index, const Control& control) {
    QWidget* widget = index.named(control.name);
    if (!widget)
        throw std::logic_error("the form " + index.root().objectName().toStdString() +
                               " has no widget named " + control.name.toStdString());
    if (!widgetFits(control.kind, *widget))
        throw std::logic_error("the widget " + control.name.toStdString() + " is a " +
                               widget->metaObject()->className() + ", not a " + widgetClassFor(control.kind));
    return *widget;
}

std::vector<QAbstractButton*> innerButtons(const QWidget& container) {
    auto children = container.findChildren<QAbstractButton*>();
    std::vector<QAbstractButton*> buttons(children.begin(), children.end());
    std::sort(buttons.begin(), buttons.end(), [](const QAbstractButton* a, const QAbstractButton* b) {
        return a->objectName() < b->objectName();
    });
    // "UpDown1Down" sorts before "UpDown1Up"; the up arrow comes first.
    if (buttons.size() == 2 && buttons[0]->objectName().endsWith("Down"))
        std::swap(buttons[0], buttons[1]);
    return buttons;
}

namespace {

// Text fields are free text of any length: an edit must neither cut a text
// the program gives it (Qt's default limit is 32767 characters) nor stop the
// user's typing short of it.
void takeAnyLength(QWidget* widget) {
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (!edit) {
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            edit = combo->lineEdit();
    }
    if (edit)
        edit->setMaxLength(std::numeric_limits<int>::max());
}

} // namespace

QString withWidgetLineBreaks(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

BoundControl::BoundControl(QWidget& root, const Control& control)
    : BoundControl(WidgetIndex(root), control) {}

BoundControl::BoundControl(const WidgetIndex& index, const Control& control)
    : m_widget(&findControlWidget(index, control)), m_caption(index.captionOf(*m_widget)),
      m_designFont(m_widget->font()), m_designPalette(m_widget->palette()) {
    keepPlaceWhenHidden(m_widget);
    keepPlaceWhenHidden(m_caption);
    takeAnyLength(m_widget);
}

void BoundControl::show(const Control& control) {
    const QSignalBlocker blocker(m_widget);
    if (control.kind == ControlKind::Page) {
        showPage(control);
        return;
    }
    showContent(control);
    if (m_widget->isHidden() == control.visible)
        m_widget->setVisible(control.visible);
    if (m_caption) {
        setTextIfChanged(m_caption, withWidgetLineBreaks(control.label));
        if (m_caption->isHidden() == control.visible)
            m_caption->setVisible(control.visible);
    }
    showLook(control);
}

// A page control shows its active page, a window its caption, a tab page the
// caption of its tab.
void BoundControl::showPage(const Control& control) {
    if (auto* tabs = qobject_cast<QTabWidget*>(m_widget)) {
        if (tabs->currentIndex() != control.itemIndex)
            tabs->setCurrentIndex(control.itemIndex);
        return;
    }
    if (m_widget->isWindow()) {
        if (m_widget->windowTitle() != control.text)
            m_widget->setWindowTitle(control.text);
        return;
    }
    for (QWidget* parent = m_widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
            const int index = tabs->indexOf(m_widget);
            if (index >= 0 && tabs->tabText(index) != control.text)
                tabs->setTabText(index, control.text);
            return;
        }
    }
}

void BoundControl::showContent(const Control& control) {
    const QString text = withWidgetLineBreaks(control.text);
    switch (control.kind) {
    case ControlKind::Group:
        if (auto* group = static_cast<QGroupBox*>(m_widget); group->title() != text)
            group->setTitle(text);
        break;
    case ControlKind::Label:
        setTextIfChanged(static_cast<QLabel*>(m_widget), text);
        break;
    case ControlKind::Edit:
    case ControlKind::DbField:
        setTextIfChanged(static_cast<QLineEdit*>(m_widget), control.text);
        break;
    case ControlKind::Combo:
    case ControlKind::Lookup:
        showList(control);
        break;
    case ControlKind::CheckBox:
    case ControlKind::Radio: {
        auto* button = static_cast<QAbstractButton*>(m_widget);
        setTextIfChanged(button, text);
        if (button->isChecked() != control.checked)
            button->setChecked(control.checked);
        break;
    }
    case ControlKind::RadioGroup:
        showRadioGroup(control);
        break;
    case ControlKind::Button:
        setTextIfChanged(static_cast<QPushButton*>(m_widget), text);
        break;
    case ControlKind::Image:
        m_widget->update();
        break;
    case ControlKind::Page:
    case ControlKind::Grid:
    case ControlKind::UpDown:
    case ControlKind::Menu:
    case ControlKind::MenuItem:
        break;
    }
}

void BoundControl::showList(const Control& control) {
    auto* combo = static_cast<QComboBox*>(m_widget);
    if (m_shownItems != control.items || combo->count() != control.items.size()) {
        combo->clear();
        combo->addItems(control.items);
        m_shownItems = control.items;
    }
    // A list that may be typed over shows its text, which no item need hold;
    // while the user types, the text and its cursor stay where they are.
    QLineEdit* typed = combo->lineEdit();
    const QString before = combo->currentText();
    const int cursor = typed ? typed->cursorPosition() : 0;
    if (combo->currentIndex() != control.itemIndex)
        combo->setCurrentIndex(control.itemIndex);
    if (typed && combo->currentText() != control.text)
        combo->setEditText(control.text);
    if (typed && control.text == before)
        typed->setCursorPosition(cursor);
}

void BoundControl::showRadioGroup(const Control& control) {
    auto* group = static_cast<QGroupBox*>(m_widget);
    const QString title = withWidgetLineBreaks(control.text);
    if (group->title() != title)
        group->setTitle(title);
    const auto radios = innerButtons(*group);
    for (int i = 0; i < static_cast<int>(radios.size()); ++i) {
        QAbstractButton* radio = radios[static_cast<std::size_t>(i)];
        const QSignalBlocker radioBlocker(radio);
        if (i < control.items.size())
            setTextIfChanged(radio, control.items[i]);
        radio->setVisible(i < control.items.size());
        if (radio->isChecked() != (i == control.itemIndex))
            radio->setChecked(i == control.itemIndex);
    }
}

// Black is every control's normal colour; a coloured or bold text of the
// model is laid over the font the form gave the widget.
void BoundControl::showLook(const Control& control) {
    if (control.color != m_shownColor || m_stale != m_shownStale) {
        QPalette palette = m_designPalette;
        const auto roles = {QPalette::WindowText, QPalette::Text, QPalette::ButtonText};
        if (m_stale) {
            for (QPalette::ColorRole role : roles)
                palette.setColor(role, m_designPalette.color(QPalette::Disabled, role));
        } else if (control.color != kBlack) {
            for (QPalette::ColorRole role : roles)
                palette.setColor(role, QColor::fromRgba(control.color));
        }
        m_widget->setPalette(palette);
        m_shownColor = control.color;
        m_shownStale = m_stale;
    }
    if (control.bold != m_shownBold) {
        QFont font = m_designFont;
        font.setBold(m_designFont.bold() || control.bold);
        m_widget->setFont(font);
        m_shownBold = control.bold;
    }
}

} // namespace kovex
