#include "gui/PictureBox.h"

#include <QPainter>

namespace kovex {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPainter(Painter painter) {
    m_painter = std::move(painter);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (!m_painter)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_painter(painter, rect());
}

} // namespace kovex
