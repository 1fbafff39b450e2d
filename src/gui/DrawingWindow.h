#pragma once

#include "gui/ControlView.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class DrawingWindow;
}

namespace kovex {

class Program;

// The drawing window: a view of the program's drawing-window model, shown
// and hidden as the model says, not modal.
class DrawingWindow : public QWidget {
    Q_OBJECT

  public:
    // `act` runs a user action the way the main window runs its own, so that
    // both windows show the models again after it.
    using Act = std::function<void(const std::function<void()>&)>;

    DrawingWindow(Program& program, Act act, QWidget* parent);
    ~DrawingWindow() override;

    void refresh();
    QWidget* controlWidget(const QString& name) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void click(const QString& name);

    Program& m_program;
    Act m_act;
    std::unique_ptr<Ui::DrawingWindow> m_ui;
    std::vector<std::pair<QString, BoundControl>> m_bound;
};

} // namespace kovex
