#pragma once

#include <QScrollArea>
#include <QSize>

class QWidget;

namespace kovex {

// A scroll area that asks for room for its whole content and lays the
// content out at no less than the size the content prefers: every control
// then gets the room its text needs, even one whose form gives it a least
// width of its own. Laid out with room enough it never scrolls; it scrolls
// only where a window cannot get that room from the screen (large fonts, a
// high scale factor).
class WholeContentScrollArea : public QScrollArea {
    Q_OBJECT

  public:
    explicit WholeContentScrollArea(QWidget* parent = nullptr);

    // Takes the content with the least size its form gave it.
    void setContent(QWidget* content);
    QSize sizeHint() const override;

  protected:
    // The content asks for new room: it gets it, and the layouts around the
    // area hear of it.
    bool viewportEvent(QEvent* event) override;
    // A page's texts may change while it is hidden; their room is settled
    // when it is shown.
    void showEvent(QShowEvent* event) override;

  private:
    QSize wholeContent() const;
    void holdWholeContent();

    QSize m_formMinimum;
};

// Puts `content` into a new scroll area that takes its place in the layout
// of its parent widget.
WholeContentScrollArea* scrollWhenCramped(QWidget& content);

// The least size of a window the user makes smaller than its content; its
// pages scroll.
inline constexpr QSize kLeastWindowSize(800, 600);

// The window takes the size its layout asks for, bounded by the room the
// screen leaves windows, and may be made smaller down to kLeastWindowSize
// (or its content, if smaller). A window already shown only grows, so that
// it never jumps back and forth while the user works, and not at all once
// the user has given it a size of his own.
void fitWindowToContent(QWidget& window);

// An X server without a window manager applies whatever size is asked of it,
// the window's minimum not withstanding; below its minimum the window then
// takes its own size back.
void keepMinimumSize(QWidget& window);

} // namespace kovex
