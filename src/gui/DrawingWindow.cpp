#include "gui/DrawingWindow.h"

#include "app/Program.h"
#include "gui/PictureBox.h"
#include "gui/WindowFit.h"
#include "model/ControlNames.h"
#include "ui_DrawingWindow.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>

namespace kovex {

DrawingWindow::DrawingWindow(Program& program, Act act, QWidget* parent)
    : QWidget(parent, Qt::Window), m_program(program), m_act(std::move(act)),
      m_ui(std::make_unique<Ui::DrawingWindow>()) {
    m_ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    for (const QString& name : program.drawingForm.controlNames()) {
        Control& control = program.drawingForm.ctl(name);
        m_bound.emplace_back(name, BoundControl(*this, control));
        if (control.kind == ControlKind::Button)
            connect(static_cast<QPushButton*>(m_bound.back().second.widget()), &QPushButton::clicked, this,
                    [this, name = name] { click(name); });
    }
    static_cast<PictureBox*>(controlWidget(ui::imgPH))
        ->setPainter([this](QPainter& painter, const QRect& area) {
            painter.fillRect(area, Qt::white);
            painter.drawImage(0, 0, m_program.drawingForm.imgPH);
        });
    // The picture keeps its size; on a screen too small for it, it scrolls.
    scrollWhenCramped(*controlWidget(ui::imgPH));
    fitWindowToContent(*this);
    keepMinimumSize(*this);
}

DrawingWindow::~DrawingWindow() = default;

QWidget* DrawingWindow::controlWidget(const QString& name) const {
    for (const auto& [boundName, bound] : m_bound)
        if (boundName == name)
            return bound.widget();
    return nullptr;
}

void DrawingWindow::click(const QString& name) {
    m_act([&] { m_program.click(name); });
}

void DrawingWindow::refresh() {
    for (auto& [name, bound] : m_bound)
        bound.show(m_program.drawingForm.ctl(name));
    if (m_program.drawingForm.visible != isVisible())
        setVisible(m_program.drawingForm.visible);
}

// The close box of the window does what its "&Return" button does.
void DrawingWindow::closeEvent(QCloseEvent* event) {
    if (m_program.drawingForm.visible) {
        event->ignore();
        click(ui::btnReturn);
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace kovex
