#include "app/main_window.h"

#include "app/about_box.h"
#include "app/cell_pad.h"
#include "app/command_table.h"
#include "app/grid_interaction.h"
#include "app/help_viewer.h"
#include "app/qt_support.h"
#include "app/qt_user_interface.h"
#include "appearance/colour_scheme.h"
#include "create/difficulty.h"
#include "edit/layout_edit.h"
#include "files/file_commands.h"
#include "manual/game_clock.h"
#include "manual/hint.h"
#include "manual/saved_game.h"
#include "model/geometry.h"
#include "shell/startup.h"
#include "state/grid_commands.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QIcon>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <exception>

// The pictures are built into the program's library; bring them in once.
static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace vextor::app {

namespace {

// Toolbar and navigation buttons: 365 x 300 twips, top edge 48.
constexpr int kButtonWidth = 365;
constexpr int kButtonHeight = 300;
constexpr int kButtonTop = 48;
// Gap between the grid area and the CreateNewRandom button below it.
constexpr int kBelowGrid = 60;
constexpr int kCommand14Width = 1500;
// The difficulty label: on the size label's row, after the navigation buttons.
constexpr int kDifficultyLeft = 6984; // after the View Size button
constexpr int kDifficultyWidth = 1320;

// Where the picture buttons go and what they show; their tool tips and
// commands are in the command table.
struct ToolButton {
    const char* name;
    int left;
    const char* icon;
};

const ToolButton kToolbar[] = {
    {"Command13", 48, "load"},        {"Save", 408, "save"},
    {"sortcmd", 768, "puzzle"},       {"Printcmd", 1128, "print"},
    {"AutoSolve", 1488, "autosolve"}, {"Command9", 1848, "cancel"},
    {"Command11", 2208, "create"},    {"ManualSolve", 2568, "manual"},
    {"setcol", 2928, "colours"},      {"help", 3288, "help"},
    {"Exitcmd", 3648, "exit"},
};

const ToolButton kNavigation[] = {
    {"Command8_0", 5064, "previous"}, {"Command8_1", 6144, "first"},  {"Command8_2", 5784, "next"},
    {"Command8_3", 4704, "last"},     {"Command8_4", 5424, "random"},
};

// The View button opens the View menu (view sizes); it follows the
// navigation buttons.
const ToolButton kViewButton = {"viewcmd", 6504, "zoom"};
const char* const kZoomSetting = "view/zoom";

// The window around the grid area (already sized in pixels at the view size).
QSize windowSizeFor(const QSize& gridArea) {
    const int right =
        std::max({px(kGridAreaLeft) + gridArea.width(), px(kViewButton.left + kButtonWidth),
                  px(kDifficultyLeft + kDifficultyWidth)});
    // Below the grid area: the CreateNewRandom button.
    return QSize(right + px(48),
                 px(kGridAreaTop) + gridArea.height() + px(kBelowGrid + kButtonHeight + 48));
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                  int width, int height) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(courierFont(pointsToPixels(8)));
    l->setGeometry(px(left), px(top), px(width), px(height));
    return l;
}

} // namespace

// Passes everything on to the window's user interface, except messages and
// questions while the program shuts down. Before a message or question the
// difficulty label is brought up to date, so that it rates the grid shown
// under the box and not the puzzle before the command.
class ShutdownQuietUi : public ForwardingUserInterface {
public:
    ShutdownQuietUi(UserInterface& target, AppState& st)
        : ForwardingUserInterface(target), st_(st) {}
    void message(const std::string& text) override {
        if (!quietNow())
            inner().message(text);
    }
    bool askYesNo(const std::string& text) override {
        return !quietNow() && inner().askYesNo(text);
    }
    bool askYesNoDefaultNo(const std::string& text) override {
        return !quietNow() && inner().askYesNoDefaultNo(text);
    }
    Answer askYesNoCancel(const std::string& text) override {
        return quietNow() ? Answer::Cancel : inner().askYesNoCancel(text);
    }
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override {
        if (st_.shuttingdown)
            return std::nullopt;
        return inner().inputBox(prompt, title, defaultText);
    }
    std::string pickFile(const FileRequest& request) override {
        return st_.shuttingdown ? std::string() : inner().pickFile(request);
    }

private:
    // True while shutting down: say nothing. Otherwise the difficulty label
    // first rates the grid shown (not while AutoSolve works on it).
    bool quietNow() {
        if (st_.shuttingdown)
            return true;
        if (!st_.autosolving)
            UpdateDifficultyText(st_);
        return false;
    }
    AppState& st_;
};

MainWindow::MainWindow(UserInterface* ui, QWidget* parent) : QWidget(parent) {
    setObjectName("MainWindow");
    initIconResources();
    if (!ui) {
        qtUi_ = std::make_unique<QtUserInterface>(
            this, [this] { refresh(); }, [this](bool hidden) { setGridHidden(hidden); });
        ui = qtUi_.get();
    }
    quietUi_ = std::make_unique<ShutdownQuietUi>(*ui, st_);
    ui_ = quietUi_.get();
    showMenu = [](QMenu* m, const QPoint& at) { m->exec(at); };
    setWindowIcon(QIcon(":/icons/vextor.svg"));
    buildControls();
    buildMenus();
    // Every command's item, button, key and handler.
    installCommands(*this, appCommands());
    interaction_ = new GridInteraction(*this); // the grid's events, the digit menu, the cell pad
    // Games in progress and best times live in the per-user data folder.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!data.isEmpty())
        st_.savefolder = (data + "/saved").toStdString();
    auto* clock = new QTimer(this);
    clock->setObjectName("GameClock");
    connect(clock, &QTimer::timeout, this, &MainWindow::tickClock);
    clock->start(1000);
    // The platform's button face colour is the panel colour of the default scheme.
    st_.buttoncol = toColour(button("Command13")->palette().color(QPalette::Button));
    BuildGrid(st_, *ui_, 9, 9);
    FitGridWindow(st_);
    refresh();
}

MainWindow::~MainWindow() {
    try {
        AutoSaveGame(st_, true); // the time spent since the last save
    } catch (...) {
    }
    // Helper objects (event filters, command wiring) go first: the widget part
    // of the window still sends events while it is torn down, and they must
    // not see a half-destroyed main window.
    const QObjectList kids = children();
    for (QObject* child : kids)
        if (!child->isWidgetType())
            delete child;
    // The grid area reads the state, which as a member goes before the
    // widget part deletes its children.
    delete grid_;
    grid_ = nullptr;
}

QPushButton* MainWindow::makeToolButton(const QString& name, int left, int top,
                                        const QString& icon) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    b->setGeometry(px(left), px(top), px(kButtonWidth), px(kButtonHeight));
    b->setProperty("iconName", icon);
    b->setIcon(QIcon(":/icons/" + icon + ".svg"));
    b->setIconSize(QSize(px(kButtonHeight) - 4, px(kButtonHeight) - 4));
    b->setFocusPolicy(Qt::NoFocus);
    buttons_.push_back(b);
    return b;
}

void MainWindow::buildControls() {
    for (const auto& t : kToolbar)
        makeToolButton(t.name, t.left, kButtonTop, t.icon);
    for (const auto& t : kNavigation)
        makeToolButton(t.name, t.left, kButtonTop, t.icon);
    makeToolButton(kViewButton.name, kViewButton.left, kButtonTop, kViewButton.icon);

    title_ = makeLabel(this, "Title", QString(), 48, 372, 3960, 276);
    title_->setFont(courierFont(pointsToPixels(9), true));
    gridSize_ = makeLabel(this, "GridSize", "99x99", 4080, 72, 600, 276);
    seqLabel_ = makeLabel(this, "Label2", "Seq#", 4080, 400, 600, 276);
    difficulty_ =
        makeLabel(this, "Difficulty", QString(), kDifficultyLeft, 72, kDifficultyWidth, 276);
    difficulty_->setToolTip("Difficulty: easy, medium, hard, expert or trial, and 1 to 100");
    puzNumber_ = makeLabel(this, "puznumber", QString(), 5424, 400, 1200, 276);
    timer_ = makeLabel(this, "Timer", QString(), kDifficultyLeft, 400, kDifficultyWidth, 276);
    timer_->setToolTip("Time spent solving by hand");
    timer_->hide();

    puzNumNow_ = new QLineEdit("1", this);
    puzNumNow_->setObjectName("PuzNumNow");
    puzNumNow_->setFont(courierFont(pointsToPixels(8)));
    puzNumNow_->setGeometry(px(4704), px(372), px(696), px(276));
    connect(puzNumNow_, &QLineEdit::textEdited, this,
            [this](const QString& text) { st_.texts.puzNumNow = text.toStdString(); });
    connect(puzNumNow_, &QLineEdit::returnPressed, this, [this] {
        hidePad();
        runCommand([this] { PuzNumEnterCommand(st_, *ui_); });
    });

    // The grid area scrolls when the grid is larger than the room for it.
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("GridArea");
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidgetResizable(false);
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid_ = new GridView(st_);
    grid_->setObjectName("Picture1");
    scroll_->setWidget(grid_);
    // The window can be resized; never smaller than the toolbar and a few rows.
    setMinimumSize(windowSizeFor(QSize(0, 0)).width(),
                   px(kGridAreaTop + 1500 + kBelowGrid + kButtonHeight + 48));

    // The hint line, below the grid area while a hint is shown.
    hintLine_ = new QLabel(this);
    hintLine_->setObjectName("HintLine");
    hintLine_->setFont(courierFont(pointsToPixels(8)));
    hintLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hintLine_->setWordWrap(true);
    hintLine_->hide();

    overlay_ = new QLabel(this);
    overlay_->setObjectName("Label3");
    overlay_->setFont(courierFont(pointsToPixels(9), true));
    overlay_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    overlay_->setWordWrap(true);
    overlay_->setFrameShape(QFrame::Box);
    overlay_->setAutoFillBackground(true);
    overlay_->hide();

    // A new random 10 x 10 puzzle; placed below the grid area by fitWindow.
    auto* c14 = new QPushButton(this);
    c14->setObjectName("Command14");
    c14->setFont(arialFont(pointsToPixels(8)));
    buttons_.push_back(c14);
    // Find Choices: the solver's candidates after deduction, never shown.
    auto* findChoices = new QPushButton(this);
    findChoices->setObjectName("Command2");
    findChoices->hide();
}

QMenu* MainWindow::makeMenu(const QString& name, const QString& caption) {
    auto* m = new QMenu(caption, this);
    m->setObjectName(name);
    menus_.push_back(m);
    return m;
}

QAction* MainWindow::addItem(QMenu* menu, const QString& name, const QString& caption,
                             bool enabled) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setEnabled(enabled);
    return a;
}

void MainWindow::buildMenus() {
    // The items of the menus come from the command table; the View and Color
    // Scheme items, and the digit menu's, are made by those who fill them.
    for (const AppMenu& m : appMenus())
        makeMenu(QString::fromUtf8(m.name.data(), static_cast<qsizetype>(m.name.size())),
                 QString::fromUtf8(m.caption.data(), static_cast<qsizetype>(m.caption.size())));
    buildViewMenu();

    QMenu* m = menu("mnuColScheme");
    for (std::size_t i = 0; i < kSchemeNames.size(); ++i) {
        QAction* a = addItem(
            m, QString("mnucolx%1").arg(i),
            QString::fromUtf8(kSchemeNames[i].data(), static_cast<int>(kSchemeNames[i].size())),
            true);
        a->setCheckable(true);
        const int index = static_cast<int>(i);
        connect(a, &QAction::triggered, this, [this, index] { onSchemeItem(index); });
        schemeItems_.push_back(a);
    }
}

void MainWindow::buildViewMenu() {
    QMenu* m = menu("mnuview");
    auto* sizes = new QActionGroup(this);
    // Under Fit to Window no view size is checked.
    sizes->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int percent : kZoomLevels) {
        QAction* a =
            addItem(m, QString("mnuzoom%1").arg(percent), QString("%1 %").arg(percent), true);
        a->setCheckable(true);
        a->setChecked(percent == 100);
        sizes->addAction(a);
        connect(a, &QAction::triggered, this, [this, percent] { setZoom(percent); });
    }
    m->addSeparator();
    // Window-wide shortcuts: they work without opening the menu.
    QAction* larger = addItem(m, "mnuzoomin", "Larger", true);
    larger->setShortcuts({QKeySequence::ZoomIn, QKeySequence("Ctrl+=")});
    connect(larger, &QAction::triggered, this, [this] { stepZoom(1); });
    QAction* smaller = addItem(m, "mnuzoomout", "Smaller", true);
    smaller->setShortcuts({QKeySequence::ZoomOut});
    connect(smaller, &QAction::triggered, this, [this] { stepZoom(-1); });
    addActions({larger, smaller});
}

void MainWindow::setZoom(int percent) {
    if (fitToWindow_) {
        if (QAction* fit = action("mnufittowindow"))
            fit->setChecked(false); // remembered, and Fit to Window ends
        fitToWindow_ = false;
    }
    applyZoomLevel(percent);
}

void MainWindow::applyZoomLevel(int percent) {
    if (std::find(std::begin(kZoomLevels), std::end(kZoomLevels), percent) == std::end(kZoomLevels))
        percent = 100;
    zoomLevel_ = percent;
    QSettings().setValue(kZoomSetting, percent);
    if (fitToWindow_)
        return; // kept for when Fit to Window ends
    if (QAction* a = action(QString("mnuzoom%1").arg(percent)))
        a->setChecked(true);
    if (percent == grid_->zoom())
        return;
    grid_->setZoom(percent);
    fitWindow(true);
}

void MainWindow::stepZoom(int step) {
    // From the size shown, which under Fit to Window lies between the levels.
    const int now = grid_->zoom();
    int next = step > 0 ? kZoomLevels[std::size(kZoomLevels) - 1] : kZoomLevels[0];
    if (step > 0) {
        for (int z : kZoomLevels)
            if (z > now) {
                next = z;
                break;
            }
    } else {
        for (int z : kZoomLevels)
            if (z < now)
                next = z;
    }
    setZoom(next);
}

void MainWindow::setFitToWindow(bool on) {
    if (on == fitToWindow_)
        return;
    fitToWindow_ = on;
    if (!on) {
        applyZoomLevel(zoomLevel_);
        layoutGridArea();
        return;
    }
    for (int percent : kZoomLevels)
        if (QAction* a = action(QString("mnuzoom%1").arg(percent)))
            a->setChecked(false);
    layoutGridArea();
}

void MainWindow::openFile(const QString& path) {
    hidePad();
    runCommand([&] {
        OpenPuzzleFileCommand(st_, *ui_, QFileInfo(path).absoluteFilePath().toStdString());
    });
}

QPushButton* MainWindow::button(const QString& name) const {
    for (QPushButton* b : buttons_)
        if (b->objectName() == name)
            return b;
    return nullptr;
}

QAction* MainWindow::action(const QString& name) const {
    for (QMenu* m : menus_)
        for (QAction* a : m->actions())
            if (a->objectName() == name)
                return a;
    return nullptr;
}

QMenu* MainWindow::menu(const QString& name) const {
    for (QMenu* m : menus_)
        if (m->objectName() == name)
            return m;
    return nullptr;
}

QLabel* MainWindow::label(const QString& name) const {
    return findChild<QLabel*>(name);
}

void MainWindow::clickFromKeyboard(QAbstractButton* b) {
    keyAnchor_ = b->mapToGlobal(QPoint(0, b->height()));
    b->click();
    keyAnchor_.reset();
}

void MainWindow::popup(QMenu* m) {
    if (!m)
        return;
    showMenu(m, keyAnchor_.value_or(QCursor::pos()));
    QCoreApplication::processEvents();
}

void MainWindow::runCommand(const std::function<void()>& command) {
    try {
        command();
        // A puzzle loaded again may have a game to resume; a change is saved.
        OfferResume(st_, *ui_);
        AutoSaveGame(st_);
    } catch (const std::exception& e) {
        ui_->message(std::string("The command stopped on an unexpected error:\r\n") + e.what());
    } catch (...) {
        ui_->message("The command stopped on an unexpected error.");
    }
    UpdateDifficultyText(st_);
    refresh();
}

void MainWindow::startUp(const QString& programFolder) {
    applyZoomLevel(QSettings().value(kZoomSetting, 100).toInt());
    runCommand([&] {
        StartUp(st_, *ui_, programFolder.toStdString());
        ResumeLastGame(st_, *ui_);
    });
    schemeInUse_ = SchemeIndexOf(st_.schemefile);
    markSchemeInUse();
    // Arrow keys and digits work at once.
    grid_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::markSchemeInUse() {
    for (std::size_t i = 0; i < schemeItems_.size(); ++i)
        schemeItems_[i]->setChecked(static_cast<int>(i) == schemeInUse_);
}

void MainWindow::refresh() {
    const MainWindowTexts& t = st_.texts;
    setWindowTitle(QString::fromStdString(t.caption));
    // A long title is cut short with an ellipsis; the tool tip shows it whole.
    const QString title = QString::fromStdString(t.title);
    const QString shown = title_->fontMetrics().elidedText(title, Qt::ElideRight, title_->width());
    title_->setText(shown);
    title_->setToolTip(shown == title ? QString() : title);
    gridSize_->setText(QString::fromStdString(t.gridSize));
    difficulty_->setText(QString::fromStdString(t.difficulty));
    puzNumber_->setText(QString::fromStdString(t.puzNumber));
    timer_->setText(QString::fromStdString(TimerText(st_)));
    timer_->setVisible(!timer_->text().isEmpty());
    const QString number = QString::fromStdString(t.puzNumNow);
    if (puzNumNow_->text() != number)
        puzNumNow_->setText(number);
    overlay_->setText(toDisplay(t.overlay));
    overlay_->setVisible(t.overlayVisible);
    const std::string hint = HintText(st_);
    hintLine_->setText(QString::fromStdString(hint.empty() ? t.status : hint));
    hintLine_->setVisible(!hintLine_->text().isEmpty());
    if (QPushButton* b = button("AutoSolve"))
        b->setToolTip(QString::fromStdString(t.autoSolveTooltip));
    if (st_.schemesApplied != schemesShown_)
        applyPanels();
    fitWindow();
    if (st_.curcell != lastCursor_) {
        // The cursor cell is kept in view when the grid scrolls.
        lastCursor_ = st_.curcell;
        const QRect cell = grid_->cellRect(st_.curcell);
        if (!cell.isNull())
            scroll_->ensureVisible(cell.center().x(), cell.center().y(), cell.width() / 2 + 4,
                                   cell.height() / 2 + 4);
    }
    grid_->update();
}

QSize MainWindow::naturalSize() const {
    const WindowFit& f = st_.fit;
    auto atLevel = [this](int twips) {
        return static_cast<int>(std::lround(twips * zoomLevel_ / (100.0 * kTwipsPerPixel)));
    };
    const QSize area = fitToWindow_
                           ? QSize(atLevel(f.gridWidth), atLevel(f.gridHeight))
                           : QSize(grid_->zoomed(f.gridWidth), grid_->zoomed(f.gridHeight));
    QSize size = windowSizeFor(area);
    if (hintLine_->isVisibleTo(this)) {
        // Below the CreateNewRandom button, as high as its words need.
        const int width = size.width() - px(kGridAreaLeft) - px(48);
        size.setHeight(size.height() + px(kBelowGrid) + hintLine_->heightForWidth(width));
    }
    return size;
}

void MainWindow::fitWindow(bool force) {
    const QSize gridTwips(st_.fit.gridWidth, st_.fit.gridHeight);
    const bool newGrid = gridTwips != lastGridTwips_;
    const bool untouched = size() == lastNatural_;
    const bool first = lastGridTwips_.isEmpty();
    lastGridTwips_ = gridTwips;
    // Loading a puzzle sizes the window to its grid; under Fit to Window the
    // window only grows to it and the grid then fills it. A window the user
    // resized keeps its size until the grid or the view size changes; a
    // maximised one always keeps it.
    const bool follow = first || (!fitToWindow_ && (force || newGrid || untouched));
    const bool grow = fitToWindow_ && newGrid;
    if ((follow || grow) && !isMaximized() && !isFullScreen()) {
        QSize wanted = naturalSize();
        if (const QScreen* screen = this->screen()) {
            // Never beyond the screen: the grid scrolls instead.
            const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize();
            const QSize room = screen->availableGeometry().size() - frame;
            wanted = wanted.boundedTo(room).expandedTo(minimumSize());
        }
        if (!follow)
            wanted = wanted.expandedTo(size());
        resize(wanted);
        lastNatural_ = wanted;
    }
    layoutGridArea();
}

void MainWindow::layoutGridArea() {
    const WindowFit& f = st_.fit;
    const int left = px(kGridAreaLeft), top = px(kGridAreaTop), margin = px(48);
    const int roomWidth = std::max(1, width() - left - margin);
    const bool hint = hintLine_->isVisibleTo(this);
    const int hintHeight = hint ? hintLine_->heightForWidth(roomWidth) : 0;
    const int below =
        px(kBelowGrid + kButtonHeight) + margin + (hint ? px(kBelowGrid) + hintHeight : 0);
    const int roomHeight = std::max(1, height() - top - below);
    if (fitToWindow_ && f.gridWidth > 0 && f.gridHeight > 0) {
        const double across = roomWidth * 100.0 * kTwipsPerPixel / f.gridWidth;
        const double down = roomHeight * 100.0 * kTwipsPerPixel / f.gridHeight;
        const int percent =
            std::clamp(static_cast<int>(std::min(across, down)), kFitZoomMin, kFitZoomMax);
        if (percent != grid_->zoom())
            grid_->setZoom(percent);
    }
    const QSize grid(grid_->zoomed(f.gridWidth), grid_->zoomed(f.gridHeight));
    grid_->resize(grid);
    // As large as the grid, at most the room there is; a scroll bar one way
    // takes room the other way.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int w = std::min(grid.width(), roomWidth), h = std::min(grid.height(), roomHeight);
    if (grid.width() > w)
        h = std::min(grid.height() + bar, roomHeight);
    if (grid.height() > h)
        w = std::min(grid.width() + bar, roomWidth);
    if (grid.width() > w)
        h = std::min(grid.height() + bar, roomHeight);
    scroll_->setGeometry(left, top, w, h);
    overlay_->setGeometry(left + px(120), top + px(120), std::max(1, w - px(240)), px(1200));
    overlay_->raise();
    const int buttonTop = top + h + px(kBelowGrid);
    if (QPushButton* c14 = button("Command14"))
        c14->setGeometry(left, buttonTop, px(kCommand14Width), px(kButtonHeight));
    if (hint)
        hintLine_->setGeometry(left, buttonTop + px(kButtonHeight) + px(kBelowGrid), roomWidth,
                               hintHeight);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (grid_)
        layoutGridArea();
}

void MainWindow::applyPanels() {
    schemesShown_ = st_.schemesApplied;
    panel_ = toQColor(st_.schemesApplied > 0 ? st_.schemecolours[2] : st_.buttoncol);
    paintPanel(this, panel_);
    paintPanel(scroll_, panel_);
    grid_->setPanelColour(panel_);
    // Icons keep a light halo on dark panels.
    for (QPushButton* b : buttons_) {
        const QString icon = b->property("iconName").toString();
        if (!icon.isEmpty())
            b->setIcon(iconOnPanel(":/icons/" + icon + ".svg", b->iconSize(), panel_));
    }
    for (auto& w : schemeWidgets_)
        if (w)
            paintPanel(w, panel_);
    emit schemeApplied();
}

void MainWindow::registerSchemeWidget(QWidget* widget) {
    schemeWidgets_.emplace_back(widget);
    paintPanel(widget, panel_);
}

void MainWindow::setGridHidden(bool hidden) {
    grid_->setHidden(hidden);
}

// The clock counts only while the player can see the window and work in it.
void MainWindow::tickClock() {
    if (!isActiveWindow() || isMinimized() || !TickGameClock(st_))
        return;
    timer_->setText(QString::fromStdString(TimerText(st_)));
    AutoSaveGame(st_);
}

void MainWindow::onSchemeItem(int index) {
    bool applied = false;
    runCommand([&] { applied = ColourSchemeCommand(st_, *ui_, index); });
    // A scheme that could not be read leaves the colours as they were, and
    // the check mark with the scheme they come from.
    if (applied)
        schemeInUse_ = index;
    markSchemeInUse();
}

void MainWindow::closeOtherWindows() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
}

void MainWindow::hidePad() {
    if (interaction_)
        interaction_->pad()->hide();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    AutoSaveGame(st_, true);
    // A running AutoSolve ends at its next check, without an outcome box.
    BeginShutdown(st_);
    closeOtherWindows();
    event->accept();
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    // Only the window's own background counts, not a label or other control.
    if (!childAt(event->position().toPoint()))
        BackgroundClick(st_);
    QWidget::mouseReleaseEvent(event);
}

HelpViewer* MainWindow::helpViewer() {
    if (!help_)
        help_ = new HelpViewer(this);
    return help_;
}

AboutBox* MainWindow::aboutBox() {
    if (!about_)
        about_ = new AboutBox(this);
    return about_;
}

} // namespace vextor::app
