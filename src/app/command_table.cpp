#include "app/command_table.h"

#include "app/about_box.h"
#include "app/create_commands.h"
#include "app/file_menu.h"
#include "app/help_viewer.h"
#include "app/keyboard.h"
#include "app/main_window.h"
#include "app/print_menu.h"
#include "app/qt_support.h"
#include "create/compile.h"
#include "create/random_layout.h"
#include "create/unique.h"
#include "edit/layout_edit.h"
#include "files/file_commands.h"
#include "files/file_management.h"
#include "manual/game_clock.h"
#include "manual/hint.h"
#include "manual/manual_solve.h"
#include "manual/play_aids.h"
#include "shell/startup.h"
#include "solver/autosolve.h"
#include "solver/guessing.h"
#include "state/grid_commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QShortcut>
#include <set>
#include <stdexcept>
#include <string>

namespace vextor::app {

namespace {

// Runs a core command through the window: errors become a message, the
// window mirrors the state afterwards.
template <auto command> void run(MainWindow& w) {
    w.runCommand([&w] { command(w.state(), w.ui()); });
}

// The same, for commands that replace or reshape the grid: the cell pad's
// target cell goes stale, so the pad is put away first.
template <auto command> void runWithoutPad(MainWindow& w) {
    w.hidePad();
    run<command>(w);
}

// The same, for the commands of solving by hand: the keys go to the grid after.
template <auto command> void runOnGrid(MainWindow& w) {
    w.runCommand([&w] {
        command(w.state(), w.ui());
        w.gridView()->setFocus();
    });
}

template <Navigate to> void navigate(MainWindow& w) {
    w.hidePad();
    w.runCommand([&w] { NavigateCommand(w.state(), w.ui(), to); });
}

template <const char* menu> void openMenu(MainWindow& w) {
    w.popup(w.menu(menu));
}

// The menus opened by buttons, by object name.
constexpr char kPuzfileMenu[] = "mnupuzfile";
constexpr char kPuzzleMenu[] = "mnupuzzle";
constexpr char kPrintMenu[] = "mnuprint";
constexpr char kCreateMenu[] = "mnucreate";
constexpr char kManualMenu[] = "mnumanualsolve";
constexpr char kSchemeMenu[] = "mnuColScheme";
constexpr char kViewMenu[] = "mnuview";

void helpButton(MainWindow& w) {
    w.popup(w.menu("mnuhelpabout"));
    // The cursor tick of solving by hand comes back, and the keys go to the grid.
    if (RemarkCursor(w.state())) {
        w.gridView()->setFocus();
        w.gridView()->update();
    }
}

void exitProgram(MainWindow& w) {
    bool end = false;
    w.runCommand([&] { end = ExitCommand(w.state(), w.ui()); });
    if (!end)
        return;
    w.closeOtherWindows();
    w.close();
}

void autoSolve(MainWindow& w) {
    // While AutoSolve runs its button ignores clicks; the window keeps
    // processing events once per deduction cycle, so Cancel Auto Solve is
    // delivered and seen at the next check.
    runWithoutPad<AutoSolveCommand>(w); // the solver owns the grid from now on
}

void cancelAutoSolve(MainWindow& w) {
    CancelAutoSolveCommand(w.state());
    w.refresh();
}

// Ctrl+G: to the number box, ready for a puzzle number and Enter.
void toNumberBox(MainWindow& w) {
    w.numberBox()->setFocus(Qt::ShortcutFocusReason);
    w.numberBox()->selectAll();
}

void showHelp(MainWindow& w) {
    w.helpViewer()->showHelp(QString::fromStdString(w.state().apppath) + "vextor.htm");
    QCoreApplication::processEvents();
}

void showAbout(MainWindow& w) {
    const AppState& st = w.state();
    w.aboutBox()->showAbout(toQColor(st.schemecolours[2]), toQColor(st.schemecolours[5]));
    QCoreApplication::processEvents();
}

void solveManually(MainWindow& w) {
    w.runCommand([&w] {
        w.hidePad();
        StartManualSolve(w.state(), w.ui());
        w.gridView()->setFocus();
    });
}

void editLayout(MainWindow& w) {
    w.runCommand([&w] {
        w.hidePad();
        if (EditCommand(w.state(), w.ui()))
            w.gridView()->setFocus();
    });
}

void clearGrid(MainWindow& w) {
    w.runCommand([&w] {
        w.hidePad();
        ClearGridCommand(w.state(), w.ui());
    });
}

void newGrid(MainWindow& w) {
    w.hidePad();
    w.runCommand([&w] {
        if (NewGridCommand(w.state(), w.ui()))
            w.gridView()->setFocus();
    });
}

// Start with empty notes shows the notes: Edit Pencil Marks goes on with it.
void startWithEmptyNotes(MainWindow& w, bool on) {
    SetStartWithEmptyNotes(w.state(), on);
    if (QAction* marks = w.action("mnupencilmarks"); marks && on)
        marks->setChecked(true);
}

void fillInCandidates(MainWindow& w) {
    w.runCommand([&w] {
        QAction* marks = w.action("mnupencilmarks");
        if (FillInCandidates(w.state(), w.ui()) && marks)
            marks->setChecked(true); // the marks filled in are shown
        w.gridView()->setFocus();
    });
}

// The cell pad's menu: its items act on the cell named by its Tag.
template <void (*command)(AppState&)> void padItem(MainWindow& w) {
    w.runCommand([&w] { command(w.state()); });
}

const AppMenu kMenus[] = {
    {kManualMenu, "Manual Solve"},
    {kPuzzleMenu, "Puzzle"},
    {kPuzfileMenu, "Puzfile"},
    {"mnuhelpabout", "helpabout"},
    {kPrintMenu, "print"},
    {kCreateMenu, "Create"},
    {"mnumain", "main"},           // the cell pad's menu; no button opens it
    {"mnucnx", "cnx"},             // the digit menu of solving by hand, filled by it
    {kViewMenu, "View"},           // view sizes, filled by the window; Fit to Window
    {kSchemeMenu, "Color Scheme"}, // one item per colour scheme, filled by the window
};

// name, caption, menu, key, handler, refused while AutoSolve runs
const AppCommand kCommands[] = {
    // The toolbar, in its order.
    {"Command13", "Load Puzzle File", "", "Ctrl+O", runWithoutPad<LoadPuzzleFileCommand>, true},
    {"Save", "Save, Backup, Sort Puzzle File", "", "Alt+F", openMenu<kPuzfileMenu>},
    {"sortcmd", "View Solution, Add, Delete Puzzle", "", "Alt+P", openMenu<kPuzzleMenu>},
    {"Printcmd", "Print Puzzle", "", "Alt+R", openMenu<kPrintMenu>, true},
    // A chord: it overwrites entries.
    {"AutoSolve", "Auto Solve", "", "Ctrl+Shift+A", autoSolve},
    {"Command9", "Cancel Auto Solve", "", "Esc", cancelAutoSolve},
    {"Command11", "Create new Puzzle", "", "Alt+C", openMenu<kCreateMenu>, true},
    {"ManualSolve", "Solve Manually", "", "Alt+M", openMenu<kManualMenu>},
    {"setcol", "Set Colors", "", "Alt+S", openMenu<kSchemeMenu>},
    {"help", "Help", "", "Alt+H", helpButton},
    {"Exitcmd", "Exit", "", "Ctrl+Q", exitProgram},
    // The navigation, the View button and the number box.
    {"Command8_0", "Previous Puzzle", "", "PgUp", navigate<Navigate::Previous>, true},
    {"Command8_1", "First Puzzle", "", "Ctrl+Home", navigate<Navigate::First>, true},
    {"Command8_2", "Next Puzzle", "", "PgDown", navigate<Navigate::Next>, true},
    {"Command8_3", "Last Puzzle", "", "Ctrl+End", navigate<Navigate::Last>, true},
    {"Command8_4", "Random Puzzle", "", "Ctrl+R", navigate<Navigate::Random>, true},
    {"viewcmd", "View Size", "", "Alt+V", openMenu<kViewMenu>},
    {"PuzNumNow", "Puzzle number: type it and press Enter", "", "Ctrl+G", toNumberBox},
    // Below the grid area: a new random 10 x 10 puzzle.
    {"Command14", "CreateNewRandom", "", "", runWithoutPad<CreateNewRandomCommand>, true},
    // Hidden: the solver's candidates after deduction, for testing by hand.
    {"Command2", "Find Choices", "", "", run<FindChoicesCommand>},

    {"mnusolvemanually", "Solve Manually", kManualMenu, "", solveManually, true},
    {.name = "mnusolveinteractive",
     .caption = "Solve Interactively",
     .menu = kManualMenu,
     .handler = run<SolveInteractivelyCommand>,
     .refusedWhileSolving = true,
     .shownDisabled = true}, // as the program has always shown it
    {"mnuundo", "Undo Last Entry", kManualMenu, "Ctrl+Z", runOnGrid<UndoLastEntry>, true},
    {.name = "mnuredo",
     .caption = "Redo",
     .menu = kManualMenu,
     .key = "Ctrl+Y",
     .handler = runOnGrid<RedoLastEntry>,
     .refusedWhileSolving = true,
     .otherKey = "Ctrl+Shift+Z"},
    {"mnuverifymanualentry", "Verify Manual Solve", kManualMenu, "", runOnGrid<VerifyManualSolve>,
     true},
    {"mnuhint", "Hint", kManualMenu, "H", runOnGrid<HintCommand>, true},
    {"mnustopmanual", "Stop Solving by Hand", kManualMenu, "", run<StopManualSolve>, true},
    {"", "-", kManualMenu},
    // The two options of solving by hand, remembered between starts in the
    // program's settings (not in "vextor.cfg").
    {.name = "mnupencilmarks",
     .caption = "Edit Pencil Marks",
     .menu = kManualMenu,
     .setting = "manualSolve/editPencilMarks",
     .toggle = [](MainWindow& w, bool on) { SetEditPencilMarks(w.state(), on); }},
    {.name = "mnucheckasyougo",
     .caption = "Check As You Go",
     .menu = kManualMenu,
     .setting = "manualSolve/checkAsYouGo",
     .toggle = [](MainWindow& w, bool on) { SetCheckAsYouGo(w.state(), w.ui(), on); }},
    {.name = "mnuemptynotes",
     .caption = "Start with empty notes",
     .menu = kManualMenu,
     .key = "Ctrl+E",
     .setting = "manualSolve/startWithEmptyNotes",
     .toggle = startWithEmptyNotes},
    {"mnufillin", "Fill In Candidates", kManualMenu, "Ctrl+I", fillInCandidates, true},
    {.name = "mnutimer",
     .caption = "Timer",
     .menu = kManualMenu,
     .key = "Ctrl+T",
     .setting = "manualSolve/timer",
     .toggle = [](MainWindow& w, bool on) { SetTimer(w.state(), on); },
     .settingDefault = true},
    {"", "-", kManualMenu},
    {"mnumanualcancel", "Cancel", kManualMenu},

    {"mnuviewsol", "View Solution Stored in Current File", kPuzzleMenu, "",
     run<ViewSolutionCommand>, true},
    {"mnuaddpuz", "Add Puzzle to a File", kPuzzleMenu, "", addPuzzle, true},
    {"mnudeletepuz", "Delete Puzzle from Current File", kPuzzleMenu, "",
     runWithoutPad<DeletePuzzleCommand>, true},
    {"mnucountsol", "Count Solutions", kPuzzleMenu, "", run<CountSolutionsCommand>, true},
    {"", "-", kPuzzleMenu},
    {"mnupuzzlecancel", "Cancel", kPuzzleMenu},

    {"mnusaveas", "Save Puzzle File As", kPuzfileMenu, "", run<SavePuzzleFileAsCommand>, true},
    {"mnubackup", "Backup Puzzle File", kPuzfileMenu, "", run<BackupPuzzleFileCommand>, true},
    {"mnusortpuz", "Sort Puzzle File", kPuzfileMenu, "", sortPuzzleFile, true},
    {"", "-", kPuzfileMenu},
    {"mnupuzfilecancel", "Cancel", kPuzfileMenu},

    {"mnuhelp", "Help", "mnuhelpabout", "F1", showHelp},
    {"mnuabout", "About", "mnuhelpabout", "", showAbout},
    {"", "-", "mnuhelpabout"},
    {"mnuhelpcancel", "Cancel", "mnuhelpabout"},

    {"mnuprintcurrent", "Print Current Puzzle", kPrintMenu, "Ctrl+P", printCurrentPuzzle, true},
    {"mnuprintfile", "Print Puzzles from File", kPrintMenu, "", printPuzzlesFromFile, true},
    {"", "-", kPrintMenu},
    {"mnucan", "Cancel", kPrintMenu},

    // After the view sizes: the grid fills the window; remembered between starts.
    {"", "-", kViewMenu},
    {.name = "mnufittowindow",
     .caption = "Fit to Window",
     .menu = kViewMenu,
     .key = "Ctrl+0",
     .setting = "view/fitToWindow",
     .toggle = [](MainWindow& w, bool on) { w.setFitToWindow(on); }},

    {"mnuedit", "Edit", kCreateMenu, "", editLayout, true},
    {"mnunewgrid", "New", kCreateMenu, "", newGrid, true},
    {"", "-", kCreateMenu},
    {"mnucleargrid", "Clear", kCreateMenu, "", clearGrid, true},
    {"mnucompile", "Compile", kCreateMenu, "", runWithoutPad<CompileCommand>, true},
    {"", "-", kCreateMenu},
    {"mnuautocreate", "Auto", kCreateMenu, "", autoCreate, true},
    {"", "-", kCreateMenu},
    {"mnucancel1", "Cancel", kCreateMenu},

    {"mnuclear", "Clear", "mnumain", "", padItem<MakeWhite>},
    {"mnugrey", "Grey", "mnumain", "", padItem<MakeSum>},
    {"mnublack", "Black", "mnumain", "", padItem<MakeBlack>},
    {"", "-", "mnumain"},
    {"mnucancel", "Cancel", "mnumain"},
};

std::string quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

[[noreturn]] void fault(const AppCommand& c, const std::string& what) {
    throw std::logic_error("Command table, row " + quoted(c.name.empty() ? c.caption : c.name) +
                           ": " + what);
}

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool isSeparator(const AppCommand& c) {
    return c.caption == "-" && c.name.empty();
}

QKeySequence keyOf(const AppCommand& c) {
    return QKeySequence::fromString(qs(c.key), QKeySequence::PortableText);
}

// Every row names something that is there, once; every key is one key.
void check(MainWindow& w, std::span<const AppCommand> commands) {
    std::set<std::string_view> names;
    std::set<QString> keys;
    for (const AppCommand& c : commands) {
        if (!c.menu.empty() && !w.menu(qs(c.menu)))
            fault(c, "no menu " + quoted(c.menu));
        if (isSeparator(c) && c.menu.empty())
            fault(c, "a separator outside a menu");
        if (isSeparator(c))
            continue;
        if (c.name.empty())
            fault(c, "no name");
        if (!names.insert(c.name).second || (!c.menu.empty() && w.action(qs(c.name))))
            fault(c, "named twice");
        if (c.menu.empty() && !w.findChild<QWidget*>(qs(c.name), Qt::FindDirectChildrenOnly))
            fault(c, "no control of that name");
        if (c.toggle && c.setting.empty())
            fault(c, "a check item without a setting");
        if (!c.otherKey.empty() && (c.key.empty() || c.menu.empty()))
            fault(c, "a second key without a first or outside a menu");
        for (const std::string_view text : {c.key, c.otherKey}) {
            if (text.empty())
                continue;
            const QKeySequence key = QKeySequence::fromString(qs(text), QKeySequence::PortableText);
            if (key.count() != 1 || key[0].key() == Qt::Key_unknown)
                fault(c, "no key " + quoted(text));
            if (!keys.insert(key.toString(QKeySequence::PortableText)).second)
                fault(c, "key " + quoted(text) + " used twice");
        }
    }
}

// Runs the row's handler, or refuses while AutoSolve runs.
void start(MainWindow& w, const AppCommand& c) {
    if (c.refusedWhileSolving && RefusedWhileSolving(w.state(), w.ui()))
        return;
    if (c.handler)
        c.handler(w);
}

QShortcut* shortcut(MainWindow& w, const QKeySequence& key) {
    auto* s = new QShortcut(key, &w);
    s->setContext(Qt::WindowShortcut);
    return s;
}

void bindControl(MainWindow& w, const AppCommand& c) {
    auto* control = w.findChild<QWidget*>(qs(c.name), Qt::FindDirectChildrenOnly);
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (button && button->icon().isNull())
        button->setText(qs(c.caption));
    else
        control->setToolTip(qs(c.caption));
    control->setEnabled(!c.shownDisabled);
    if (button)
        QObject::connect(button, &QAbstractButton::clicked, &w, [&w, c] { start(w, c); });
    if (c.key.empty())
        return;
    const QKeySequence key = keyOf(c);
    showKeyInToolTip(*control, key);
    QObject::connect(shortcut(w, key), &QShortcut::activated, &w, [&w, c, button] {
        if (!button)
            start(w, c);
        else if (button->isEnabled() && button->isVisible())
            w.clickFromKeyboard(button);
    });
}

void addItem(MainWindow& w, const AppCommand& c) {
    QMenu* menu = w.menu(qs(c.menu));
    if (isSeparator(c)) {
        menu->addSeparator();
        return;
    }
    QAction* a = menu->addAction(qs(c.caption));
    a->setObjectName(qs(c.name));
    a->setEnabled(!c.shownDisabled);
    if (c.toggle) {
        a->setCheckable(true);
        const QString setting = qs(c.setting);
        const bool on = QSettings().value(setting, c.settingDefault).toBool();
        a->setChecked(on);
        c.toggle(w, on);
        QObject::connect(a, &QAction::toggled, &w, [&w, setting, toggle = c.toggle](bool on) {
            QSettings().setValue(setting, on);
            w.runCommand([&] { toggle(w, on); });
        });
    } else {
        QObject::connect(a, &QAction::triggered, &w, [&w, c] { start(w, c); });
    }
    if (c.key.empty())
        return;
    a->setShortcut(keyOf(c)); // shown in the menu
    for (const std::string_view text : {c.key, c.otherKey}) {
        if (text.empty())
            continue;
        const QKeySequence key = QKeySequence::fromString(qs(text), QKeySequence::PortableText);
        QObject::connect(shortcut(w, key), &QShortcut::activated, &w, [a] {
            if (a->isEnabled())
                a->trigger();
        });
    }
}

} // namespace

std::span<const AppMenu> appMenus() {
    return kMenus;
}

std::span<const AppCommand> appCommands() {
    return kCommands;
}

void installCommands(MainWindow& w, std::span<const AppCommand> commands) {
    check(w, commands);
    for (const AppCommand& c : commands) {
        if (c.menu.empty())
            bindControl(w, c);
        else
            addItem(w, c);
    }
}

} // namespace vextor::app
