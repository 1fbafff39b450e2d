#include "gui/MainWindow.h"

#include "app/Program.h"
#include "drawing/Illustration.h"
#include "gui/DrawingWindow.h"
#include "gui/PictureBox.h"
#include "gui/WindowFit.h"
#include "model/ControlNames.h"
#include "records/CaseFile.h"
#include "ui_AdministrativePage.h"
#include "ui_AntennaPage.h"
#include "ui_MainWindow.h"
#include "ui_PowerPage.h"
#include "ui_StartPage.h"
#include "ui_SummaryPage.h"
#include "ui_TestPointsPage.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace kovex {

namespace {

// Each page is a form of its own, laid onto its tab page of the main form
// inside a scroll area: a page that the screen cannot hold whole (large
// fonts, a high scale factor) scrolls rather than squeezing its controls.
template <class Form> void layOut(QWidget* page) {
    auto* content = new QWidget;
    Form form;
    form.setupUi(content);
    content->setObjectName(page->objectName() + QStringLiteral("Content"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new WholeContentScrollArea(page);
    scroll->setContent(content);
    layout->addWidget(scroll);
}

bool isTextEntry(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::Combo || kind == ControlKind::Lookup;
}

// Focus that moves because another window opened or a list dropped down is
// no entering or leaving of a control.
bool isUserFocusChange(const QFocusEvent& event) {
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

// The row headings are read in full, even in a font wider than the one the
// model's widths were made for.
int headingWidth(const QTableWidget& table, const StringGrid& grid) {
    int widest = 0;
    for (int row = 0; row < grid.rowCount(); ++row)
        widest = std::max(widest, table.fontMetrics().horizontalAdvance(grid.cell(0, row)));
    return widest + 8;
}

// A cell narrower or lower than its text cuts it; the cell then shows its
// whole text as a tooltip, its size staying the one the program gave it.
bool cutsText(const QTableWidget& table, int row, int column, const QString& text) {
    if (text.isEmpty())
        return false;
    const QFontMetrics metrics(table.font());
    // The item draws its text inside the grid line and a margin each side.
    const int gridLine = table.showGrid() ? 1 : 0;
    const int margin = table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1;
    return metrics.horizontalAdvance(text) + 2 * margin + gridLine > table.columnWidth(column) ||
           metrics.height() + gridLine > table.rowHeight(row);
}

} // namespace

MainWindow::MainWindow(Program& program, QWidget* parent)
    : QWidget(parent), m_program(program), m_ui(std::make_unique<Ui::MainWindow>()) {
    m_ui->setupUi(this);
    loadPages();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    m_bound.reserve(program.mainForm.controlNames().size());
    const WidgetIndex widgets(*this);
    for (const QString& name : program.mainForm.controlNames()) {
        const Control& control = program.mainForm.ctl(name);
        m_bound.emplace_back(name, BoundControl(widgets, control));
        connectControl(control, m_bound.back().second.widget());
    }
    const std::map<QString, PictureBox::Painter> illustrations{
        {ui::imgStart, illustration::paintStart},
        {ui::imgPower, illustration::paintPower},
        {ui::imgAntenna, illustration::paintAntenna},
    };
    for (const auto& [name, painter] : illustrations)
        static_cast<PictureBox*>(controlWidget(name))->setPainter(painter);

    buildMenuBar();
    buildStatusBar();

    m_drawing = std::make_unique<DrawingWindow>(
        program, [this](const std::function<void()>& action) { act(action); }, this);
    refresh();
    fitWindowToContent(*this);
    keepMinimumSize(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::loadPages() {
    layOut<Ui::StartPage>(m_ui->TabSheet1);
    layOut<Ui::PowerPage>(m_ui->TabSheet2);
    layOut<Ui::AntennaPage>(m_ui->TabSheet3);
    layOut<Ui::TestPointsPage>(m_ui->TabSheet4);
    layOut<Ui::SummaryPage>(m_ui->TabSheet5);
    layOut<Ui::AdministrativePage>(m_ui->TabSheet6);
}

// The menu bar as the model lists it: each item belongs to the menu its
// label names, else to the menu bar's menu before it, and choosing it is a
// click on its control.
void MainWindow::buildMenuBar() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu"));
    layout()->setMenuBar(bar);
    QMenu* top = nullptr;
    const auto menuNamed = [this](const QString& name) -> QMenu* {
        for (const auto& [menuName, menu] : m_menus)
            if (menuName == name)
                return menu;
        return nullptr;
    };
    for (const QString& name : m_program.mainForm.menuNames()) {
        const Control& control = m_program.mainForm.ctl(name);
        QMenu* menu = control.label.isEmpty() ? top : menuNamed(control.label);
        if (control.kind == ControlKind::Menu) {
            QMenu* added =
                menu && !control.label.isEmpty() ? menu->addMenu(control.text) : bar->addMenu(control.text);
            added->setObjectName(name);
            m_menus.emplace_back(name, added);
            if (control.label.isEmpty())
                top = added;
            continue;
        }
        QAction* action = menu->addAction(control.text);
        action->setObjectName(name);
        action->setShortcut(QKeySequence(control.shortcut));
        connect(action, &QAction::triggered, this, [this, name] { act([&] { m_program.click(name); }); });
        m_menuItems.emplace_back(name, action);
    }
}

// The messages of the program, and the folder it works in, always in view.
void MainWindow::buildStatusBar() {
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("statusBar"));
    m_statusBar->setSizeGripEnabled(false);
    m_folderLabel = new QLabel(m_statusBar);
    m_folderLabel->setObjectName(QStringLiteral("lblWorkingFolder"));
    m_statusBar->addPermanentWidget(m_folderLabel);
    layout()->addWidget(m_statusBar);
}

void MainWindow::showStatus() {
    const QString folder = QStringLiteral("Working folder: ") + QDir::toNativeSeparators(QDir::currentPath());
    if (m_folderLabel->text() != folder)
        m_folderLabel->setText(folder);
    const QString& message = m_program.mainForm.statusMessage;
    if (message != m_shownStatus) {
        m_statusBar->showMessage(QDir::toNativeSeparators(message));
        m_shownStatus = message;
    }
}

void MainWindow::showStaleResults() {
    const QStringList stale = m_program.staleResults.staleControls(m_program.mainForm);
    for (auto& [name, bound] : m_bound)
        bound.setStale(stale.contains(name));
}

void MainWindow::pointAtFailedControl() {
    const QString name = std::exchange(m_program.mainForm.failedControl, QString());
    // A control of another page is hidden with its page; the model tells
    // whether it is shown there.
    if (name.isEmpty() || !m_program.mainForm.hasControl(name) || !m_program.mainForm.visible(name))
        return;
    QWidget* widget = controlWidget(name);
    if (!widget || widget->window() != this || widget->focusPolicy() == Qt::NoFocus)
        return;
    auto* tabs = m_ui->PageControl1;
    for (int page = 0; page < tabs->count(); ++page) {
        if (page != tabs->currentIndex() && tabs->widget(page)->isAncestorOf(widget)) {
            m_program.showPage(tabs->widget(page)->objectName());
            refresh();
        }
    }
    // Focus given from here is no user's entering or leaving of a control.
    m_acting = true;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
    else if (auto* list = qobject_cast<QComboBox*>(widget); list && list->lineEdit())
        list->lineEdit()->selectAll();
    m_acting = false;
}

QWidget* MainWindow::controlWidget(const QString& name) const {
    for (const auto& [boundName, bound] : m_bound)
        if (boundName == name)
            return bound.widget();
    return m_drawing ? m_drawing->controlWidget(name) : nullptr;
}

void MainWindow::connectControl(const Control& control, QWidget* widget) {
    const QString name = control.name;
    if (isTextEntry(control.kind))
        widget->installEventFilter(this);
    switch (control.kind) {
    case ControlKind::Edit:
        connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
                [this, name](const QString& text) { act([&] { m_program.type(name, text); }); });
        break;
    case ControlKind::Combo:
    case ControlKind::Lookup:
        connectList(name, widget);
        break;
    case ControlKind::CheckBox:
    case ControlKind::Radio:
    case ControlKind::Button:
        connectButton(name, widget);
        break;
    case ControlKind::RadioGroup: {
        const auto radios = innerButtons(*widget);
        for (int i = 0; i < static_cast<int>(radios.size()); ++i)
            connect(radios[static_cast<std::size_t>(i)], &QAbstractButton::clicked, this,
                    [this, name, i] { act([&] { m_program.select(name, i); }); });
        break;
    }
    case ControlKind::UpDown: {
        const auto arrows = innerButtons(*widget);
        connect(arrows[0], &QAbstractButton::clicked, this, [this] { act([&] { m_program.upDown(true); }); });
        connect(arrows[1], &QAbstractButton::clicked, this,
                [this] { act([&] { m_program.upDown(false); }); });
        break;
    }
    case ControlKind::Page:
        connectPages(widget);
        break;
    case ControlKind::Group:
    case ControlKind::Label:
    case ControlKind::DbField:
    case ControlKind::Grid:
    case ControlKind::Image:
    case ControlKind::Menu: // the menu bar is built on its own
    case ControlKind::MenuItem:
        break;
    }
}

void MainWindow::connectButton(const QString& name, QWidget* widget) {
    // The program checks a check box or radio button itself before its
    // handlers run; the widget's own toggle is then overwritten by the model.
    connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
            [this, name] { act([&] { m_program.click(name); }); });
}

void MainWindow::connectList(const QString& name, QWidget* widget) {
    auto* list = static_cast<QComboBox*>(widget);
    connect(list, &QComboBox::activated, this,
            [this, name](int index) { act([&] { m_program.select(name, index); }); });
    if (list->isEditable())
        connect(list->lineEdit(), &QLineEdit::textEdited, this,
                [this, name](const QString& text) { act([&] { m_program.type(name, text); }); });
}

void MainWindow::connectPages(QWidget* widget) {
    auto* tabs = qobject_cast<QTabWidget*>(widget);
    if (!tabs)
        return;
    connect(tabs, &QTabWidget::currentChanged, this, [this, tabs](int index) {
        const QString page = tabs->widget(index)->objectName();
        act([&] { m_program.showPage(page); });
    });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool in = event->type() == QEvent::FocusIn;
    if ((in || event->type() == QEvent::FocusOut) && isUserFocusChange(*static_cast<QFocusEvent*>(event))) {
        const QString name = watched->objectName();
        act([&] { in ? m_program.focus(name) : m_program.leave(name); });
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::act(const std::function<void()>& action) {
    if (m_acting)
        return;
    m_acting = true;
    // The program's general error handler catches what a handler throws; the
    // flag is reset all the same should anything else pass.
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_acting};
    action();
    m_acting = false;
    refresh();
    pointAtFailedControl();
    if (m_program.mainWindowClosed)
        close();
}

void MainWindow::refresh() {
    showStaleResults();
    for (auto& [name, bound] : m_bound)
        bound.show(m_program.mainForm.ctl(name));
    showGrid();
    for (const auto& [name, action] : m_menuItems) {
        const Control& item = m_program.mainForm.ctl(name);
        action->setText(item.text);
        action->setVisible(item.visible);
    }
    for (const auto& [name, menu] : m_menus) {
        const auto actions = menu->actions();
        menu->setEnabled(
            std::any_of(actions.begin(), actions.end(), [](QAction* a) { return a->isVisible(); }));
    }
    showCaseFileInTitle();
    showStatus();
    m_drawing->refresh();
}

// The name of the case file goes before the title the window was given
// (the program's caption, and the working folder where it is named); the
// title marks a case with unsaved changes.
void MainWindow::showCaseFileInTitle() {
    if (windowTitle() != m_shownTitle)
        m_baseTitle = windowTitle().remove(QStringLiteral("[*]"));
    const QString path = m_program.mainForm.caseFile.path;
    m_shownTitle =
        (path.isEmpty() ? m_baseTitle : QFileInfo(path).fileName() + QStringLiteral(" - ") + m_baseTitle) +
        QStringLiteral("[*]");
    if (windowTitle() != m_shownTitle)
        setWindowTitle(m_shownTitle);
    setWindowModified(caseHasUnsavedChanges(m_program.mainForm));
}

// The summary grid: the model's cells and sizes; row 0 and column 0 are its
// headings and look like them.
void MainWindow::showGrid() {
    const StringGrid& grid = m_program.mainForm.sgdTP;
    auto* table = static_cast<QTableWidget*>(controlWidget(ui::sgdTP));
    if (grid.columnCount() == 0 || grid.rowCount() == 0)
        return;
    if (table->columnCount() != grid.columnCount())
        table->setColumnCount(grid.columnCount());
    if (table->rowCount() != grid.rowCount())
        table->setRowCount(grid.rowCount());
    for (int column = 0; column < grid.columnCount(); ++column) {
        const int width = column == 0 ? std::max(grid.columnWidth(0), headingWidth(*table, grid))
                                      : grid.columnWidth(column);
        if (table->columnWidth(column) != width)
            table->setColumnWidth(column, width);
    }
    // The whole width of the grid is shown; only its rows scroll.
    const int frame = 2 * table->frameWidth();
    const int wanted =
        table->horizontalHeader()->length() + table->verticalScrollBar()->sizeHint().width() + frame;
    if (table->minimumWidth() < wanted)
        table->setMinimumWidth(wanted);
    for (int row = 0; row < grid.rowCount(); ++row) {
        if (table->rowHeight(row) != grid.rowHeight(row))
            table->setRowHeight(row, grid.rowHeight(row));
        for (int column = 0; column < grid.columnCount(); ++column) {
            QTableWidgetItem* item = table->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                if (row == 0 || column == 0)
                    item->setBackground(table->palette().button());
                table->setItem(row, column, item);
            }
            const QString text = grid.cell(column, row);
            if (item->text() != text)
                item->setText(text);
            const QString tip = cutsText(*table, row, column, text) ? text : QString();
            if (item->toolTip() != tip)
                item->setToolTip(tip);
        }
    }
}

// A text that needs more room than the window has makes the window grow, as
// far as the screen allows; the pages scroll beyond that.
bool MainWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LayoutRequest)
        fitWindowToContent(*this);
    return handled;
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_firstShown)
        return;
    m_firstShown = true;
    act([this] { m_program.firstShow(); });
}

// Closing the main window ends the program, the drawing window with it. The
// window's close box does what the Close button does, which first offers
// to save unsaved changes of the case; the button has done so already.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_program.mainWindowClosed) {
        m_program.click(ui::btnClose);
        refresh();
        if (!m_program.mainWindowClosed) {
            event->ignore();
            return;
        }
    }
    m_drawing->hide();
    QWidget::closeEvent(event);
}

} // namespace kovex
