// The main window: toolbar, navigation, labels, the grid area and the pop-up
// menus. Every command handler calls the core and then mirrors the state.
#pragma once

#include "app/grid_view.h"
#include "base/user_interface.h"
#include "state/app_state.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vextor::app {

class QtUserInterface;
class HelpViewer;
class AboutBox;
class GridInteraction;
class ShutdownQuietUi;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // ui: the user interface the core talks through; the window's own Qt one
    // when null (tests pass a scripted one).
    explicit MainWindow(UserInterface* ui = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up with the program folder: configuration, first puzzle, scheme.
    void startUp(const QString& programFolder);

    // Opens a puzzle file named on the command line at record 1.
    void openFile(const QString& path);

    // The view size of the grid in per cent, one of kZoomLevels; kept in the
    // program's settings between starts. Choosing one ends Fit to Window.
    static constexpr int kZoomLevels[] = {100, 125, 150, 200};
    void setZoom(int percent);
    // The next larger (step 1) or smaller (step -1) view size.
    void stepZoom(int step);
    // Fit to Window: the grid takes the view size that fills the room the
    // window gives it (kFitZoomMin to kFitZoomMax per cent); the window keeps
    // the size the user gives it. Off: the chosen view size again.
    static constexpr int kFitZoomMin = 50;
    static constexpr int kFitZoomMax = 400;
    void setFitToWindow(bool on);
    bool fitToWindow() const { return fitToWindow_; }
    // The scrolled area around the grid view.
    QScrollArea* gridArea() const { return scroll_; }

    AppState& state() { return st_; }
    UserInterface& ui() { return *ui_; }
    GridView* gridView() const { return grid_; }

    // Controls and menu items by their names (Command13, PuzNumNow, mnunewgrid,
    // mnucolx3, ...); null when there is none.
    QPushButton* button(const QString& name) const;
    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;
    QLabel* label(const QString& name) const;
    QLineEdit* numberBox() const { return puzNumNow_; }

    // Runs a command: errors become a message instead of ending the program;
    // afterwards the window mirrors the state.
    void runCommand(const std::function<void()>& command);

    // Brings the window up to date with the state: texts, caption, size, grid.
    void refresh();
    // Paints the panels of this window and of every registered window from the
    // scheme last applied; refresh calls it whenever the core applied a scheme.
    void applyPanels();
    // Puts the cell pad away: its target cell is stale after the grid changed.
    void hidePad();
    // Windows that follow the colour scheme's panel colour register here.
    void registerSchemeWidget(QWidget* widget);

    // A button's shortcut: clicks it; a menu it opens appears below it
    // rather than at the pointer.
    void clickFromKeyboard(QAbstractButton* button);

    // Shows a pop-up menu at the pointer (below the button whose key opened
    // it), then lets pending events run once.
    void popup(QMenu* menu);
    // Closes the program's other windows (the cell pad, dialogs).
    void closeOtherWindows();

    // How pop-up menus are shown; tests replace it to see which menu opens.
    std::function<void(QMenu*, const QPoint&)> showMenu;

    HelpViewer* helpViewer();
    AboutBox* aboutBox();

signals:
    // The colour scheme was applied: windows repaint their panels.
    void schemeApplied();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    QPushButton* makeToolButton(const QString& name, int left, int top, const QString& icon);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                     bool enabled = false);
    QMenu* makeMenu(const QString& name, const QString& caption);
    // Sizes the window to the grid at its view size when the grid's geometry
    // or the view size changed (`force`), or when the user has not resized
    // the window since (under Fit to Window: only grows it for a grid of
    // another size; a maximised window keeps its size); then lays out the
    // grid area.
    void fitWindow(bool force = false);
    // The window's size for the grid at the chosen view size, with the hint line.
    QSize naturalSize() const;
    // The grid area, the button and the hint line below it, in the window as it is.
    void layoutGridArea();
    void applyZoomLevel(int percent);
    void setGridHidden(bool hidden);
    void tickClock();

    void buildViewMenu();
    void onSchemeItem(int index);
    void markSchemeInUse();

    AppState st_;
    std::unique_ptr<QtUserInterface> qtUi_;
    // Passes everything on to the interface in use, but stays silent once the
    // program is shutting down (an AutoSolve that ends then has no outcome box).
    std::unique_ptr<ShutdownQuietUi> quietUi_;
    UserInterface* ui_ = nullptr;
    GridInteraction* interaction_ = nullptr;
    int schemesShown_ = 0; // st_.schemesApplied when the panels were last painted
    int schemeInUse_ = -1; // the Color Scheme item whose colours are shown

    GridView* grid_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    bool fitToWindow_ = false;
    int zoomLevel_ = 100; // the chosen view size (also under Fit to Window)
    QSize lastNatural_;   // the size the window was last given for its grid
    QSize lastGridTwips_; // the grid geometry it was given for
    int lastCursor_ = 0;  // the cursor cell last scrolled into view
    QLineEdit* puzNumNow_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* difficulty_ = nullptr;
    QLabel* gridSize_ = nullptr;
    QLabel* puzNumber_ = nullptr;
    QLabel* seqLabel_ = nullptr;
    QLabel* overlay_ = nullptr;
    QLabel* hintLine_ = nullptr;
    QLabel* timer_ = nullptr; // the time spent solving by hand, under the difficulty
    std::vector<QPushButton*> buttons_;
    std::vector<QMenu*> menus_;
    std::vector<QAction*> schemeItems_;
    std::vector<QPointer<QWidget>> schemeWidgets_;
    QColor panel_;
    std::optional<QPoint> keyAnchor_; // where a menu opened from the keyboard goes
    HelpViewer* help_ = nullptr;
    AboutBox* about_ = nullptr;
};

} // namespace vextor::app
