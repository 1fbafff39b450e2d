#include "gui/WindowFit.h"

#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <cmath>

namespace kovex {

WholeContentScrollArea::WholeContentScrollArea(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // The controls inside take the focus; the area itself is no stop of
    // the Tab key (it still scrolls to the control that gets the focus).
    setFocusPolicy(Qt::NoFocus);
}

void WholeContentScrollArea::setContent(QWidget* content) {
    m_formMinimum = content->minimumSize();
    setWidget(content);
    // What lies behind shows through, as the tab page's own colour.
    viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
}

// The content's preferred size, with the height its width then needs.
QSize WholeContentScrollArea::wholeContent() const {
    const QWidget* content = widget();
    if (!content)
        return QSize(0, 0);
    QSize wanted = content->sizeHint().expandedTo(content->minimumSizeHint()).expandedTo(m_formMinimum);
    if (content->hasHeightForWidth())
        wanted.setHeight(std::max(wanted.height(), content->heightForWidth(wanted.width())));
    return wanted;
}

// QScrollArea caps its wish at a size in lines of text; here the whole
// content is asked for.
QSize WholeContentScrollArea::sizeHint() const {
    if (!widget())
        return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    return wholeContent() + QSize(frame, frame);
}

// A layout squeezed below its preferred size shrinks a control to the least
// width the form gave it, below its text; the content is never squeezed so.
void WholeContentScrollArea::holdWholeContent() {
    if (QWidget* content = widget())
        content->setMinimumSize(wholeContent());
    updateGeometry();
}

bool WholeContentScrollArea::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest)
        holdWholeContent();
    return QScrollArea::viewportEvent(event);
}

void WholeContentScrollArea::showEvent(QShowEvent* event) {
    holdWholeContent();
    QScrollArea::showEvent(event);
}

WholeContentScrollArea* scrollWhenCramped(QWidget& content) {
    QWidget* parent = content.parentWidget();
    auto* scroll = new WholeContentScrollArea(parent);
    if (QLayout* layout = parent ? parent->layout() : nullptr) {
        delete layout->replaceWidget(&content, scroll);
    }
    scroll->setContent(&content);
    return scroll;
}

namespace {

// The room for a window on its screen, less the frame the window manager
// puts around it. At a fractional scale factor the screen's size in scaled
// pixels is rounded; it is taken down, lest the window be a pixel too big.
QSize roomOnScreen(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const qreal scale = screen->devicePixelRatio();
    const auto fits = [scale](int length) {
        return static_cast<int>(std::floor(std::floor(length * scale) / scale));
    };
    const QSize available = screen->availableGeometry().size();
    const QSize frame =
        window.isVisible() ? window.frameGeometry().size() - window.geometry().size() : QSize(0, 0);
    return QSize(fits(available.width()), fits(available.height())) - frame;
}

const char* const kFittedSize = "kovexFittedSize";

QSize fittedSize(const QWidget& window) {
    return window.property(kFittedSize).toSize();
}

// Below its least size the window takes back the size it was given last.
class MinimumSizeKeeper : public QObject {
  public:
    explicit MinimumSizeKeeper(QWidget& window) : QObject(&window), m_window(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::Resize) {
            const QSize least = m_window.minimumSize();
            if (m_window.width() < least.width() || m_window.height() < least.height())
                m_window.resize(fittedSize(m_window).expandedTo(least));
        }
        return false;
    }

  private:
    QWidget& m_window;
};

// A layout that never ran keeps the sizes its items had when they were
// added, before the view hid some controls and set the texts: it is run
// once, the innermost first, so that the pages not yet shown count as they
// will look.
void runEveryLayout(QWidget& window) {
    window.ensurePolished();
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (auto widget = widgets.rbegin(); widget != widgets.rend(); ++widget) {
        if (QLayout* layout = (*widget)->layout()) {
            layout->invalidate();
            layout->activate();
        }
        (*widget)->updateGeometry();
    }
    if (QLayout* layout = window.layout()) {
        layout->invalidate();
        layout->activate();
    }
}

} // namespace

// The window's size once the user gave it one of his own stays his: the
// pages scroll in it.
void fitWindowToContent(QWidget& window) {
    if (!window.isVisible())
        runEveryLayout(window);
    const QSize room = roomOnScreen(window);
    QSize wanted = window.sizeHint().expandedTo(window.minimumSizeHint());
    const QSize least = kLeastWindowSize.boundedTo(wanted).boundedTo(room);
    if (window.minimumSize() != least)
        window.setMinimumSize(least);
    const QSize fitted = fittedSize(window);
    const bool sizedByUser = window.isVisible() && fitted.isValid() && window.size() != fitted;
    if (sizedByUser)
        return;
    if (window.isVisible())
        wanted = wanted.expandedTo(window.size());
    wanted = wanted.boundedTo(room).expandedTo(least);
    window.setProperty(kFittedSize, wanted);
    if (window.size() != wanted)
        window.resize(wanted);
}

void keepMinimumSize(QWidget& window) {
    window.installEventFilter(new MinimumSizeKeeper(window));
}

} // namespace kovex
