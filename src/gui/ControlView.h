#pragma once

#include "model/Control.h"

#include <QFont>
#include <QPalette>
#include <QStringList>
#include <unordered_map>
#include <vector>

class QAbstractButton;
class QLabel;
class QWidget;

namespace kovex {

// The widget class that shows a kind of control, as named in the forms.
const char* widgetClassFor(ControlKind kind);
bool widgetFits(ControlKind kind, const QWidget& widget);

// The widgets of a window by object name and the captions by the widget they
// label, gathered in one pass in the order QObject::findChild and
// findChildren search: binding hundreds of controls then costs one walk over
// the window, not one per control.
class WidgetIndex {
  public:
    explicit WidgetIndex(QWidget& root);

    QWidget& root() const { return m_root; }
    // The first widget of that name, the root included; nullptr if none.
    QWidget* named(const QString& name) const;
    // The first label whose buddy the widget is; nullptr if none.
    QLabel* captionOf(const QWidget& widget) const;

  private:
    void addChildren(const QObject& parent);
    void addCaptions(const QObject& parent);

    QWidget& m_root;
    std::unordered_map<QString, QWidget*> m_byName;
    std::unordered_map<const QWidget*, QLabel*> m_captions;
};

// The widget of `root` named like the control. A form that lacks it, or holds
// it as a widget of another class, cannot show the model: that is a fault of
// the build, thrown as std::logic_error naming the control.
QWidget& findControlWidget(QWidget& root, const Control& control);
QWidget& findControlWidget(const WidgetIndex& index, const Control& control);

// The buttons inside a radio group or an up-down control, in the order of
// their object names (item 0 first, the up arrow before the down arrow).
std::vector<QAbstractButton*> innerButtons(const QWidget& container);

// Texts break lines with carriage returns; widgets break them with "\n".
QString withWidgetLineBreaks(const QString& text);

// One control of a window model and the widget that shows it.
class BoundControl {
  public:
    BoundControl(QWidget& root, const Control& control);
    BoundControl(const WidgetIndex& index, const Control& control);

    QWidget* widget() const { return m_widget; }
    // The label whose buddy the widget is: the caption of a labelled edit.
    QLabel* caption() const { return m_caption; }

    // Shows the control's state. The widget's signals are blocked meanwhile,
    // so that showing the model never passes for a user action.
    void show(const Control& control);
    // A result that no longer matches its inputs is drawn greyed, its text
    // as it stands; takes effect at the next show.
    void setStale(bool stale) { m_stale = stale; }

  private:
    void showPage(const Control& control);
    void showContent(const Control& control);
    void showList(const Control& control);
    void showRadioGroup(const Control& control);
    void showLook(const Control& control);

    QWidget* m_widget;
    QLabel* m_caption = nullptr;
    QFont m_designFont;
    QPalette m_designPalette;
    QRgb m_shownColor = kBlack;
    bool m_shownBold = false;
    bool m_stale = false;
    bool m_shownStale = false;
    QStringList m_shownItems;
};

} // namespace kovex
