#pragma once

#include "gui/ControlView.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;

namespace Ui {
class MainWindow;
}

namespace kovex {

class DrawingWindow;
class Program;

// The main window: a view of the program's main-window model. Every named
// control of the model is the widget of the same object name in the forms;
// user actions go to the program, and after each one every widget shows the
// model again.
class MainWindow : public QWidget {
    Q_OBJECT

  public:
    explicit MainWindow(Program& program, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows both windows as the models hold them.
    void refresh();

    // The widget that shows the named control of either window.
    QWidget* controlWidget(const QString& name) const;
    DrawingWindow& drawingWindow() const { return *m_drawing; }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void loadPages();
    void connectControl(const Control& control, QWidget* widget);
    void connectButton(const QString& name, QWidget* widget);
    void connectList(const QString& name, QWidget* widget);
    void connectPages(QWidget* widget);
    void showGrid();
    void buildMenuBar();
    void buildStatusBar();
    void showCaseFileInTitle();
    void showStatus();
    void showStaleResults();
    // After a number failed to convert: its control, on its page, gets the
    // focus with its text selected.
    void pointAtFailedControl();
    // Runs one user action of the program, then shows the models again. An
    // action that opens a modal box may see focus changes meanwhile; they
    // are no actions of their own.
    void act(const std::function<void()>& action);

    Program& m_program;
    std::unique_ptr<Ui::MainWindow> m_ui;
    std::vector<std::pair<QString, BoundControl>> m_bound;
    std::unique_ptr<DrawingWindow> m_drawing;
    std::vector<std::pair<QString, QAction*>> m_menuItems;
    std::vector<std::pair<QString, QMenu*>> m_menus;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_folderLabel = nullptr;
    QString m_shownStatus;
    // The title given from outside, and the one shown with the case file's name before it.
    QString m_baseTitle;
    QString m_shownTitle;
    bool m_acting = false;
    bool m_firstShown = false;
};

} // namespace kovex
