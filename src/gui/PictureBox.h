#pragma once

#include <QWidget>
#include <functional>

class QPainter;

namespace kovex {

// A surface the program paints on: the illustrations of the first pages and
// the field-zone picture of the drawing window.
class PictureBox : public QWidget {
    Q_OBJECT

  public:
    using Painter = std::function<void(QPainter&, const QRect&)>;

    explicit PictureBox(QWidget* parent = nullptr);
    void setPainter(Painter painter);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Painter m_painter;
};

} // namespace kovex
