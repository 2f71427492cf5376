#include "app/keyboard.h"

#include "app/main_window.h"
#include "shell/toolbar_commands.h"

#include <QHelpEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QToolTip>

namespace vextor::app {

namespace {

const char* const kKeyProperty = "vextorKey";

// The buttons, in toolbar order, then the navigation.
const struct {
    const char* button;
    QKeyCombination key;
} kButtonKeys[] = {
    {"Command13", Qt::CTRL | Qt::Key_O},             // Load Puzzle File
    {"Save", Qt::ALT | Qt::Key_F},                   // the Puzfile menu
    {"sortcmd", Qt::ALT | Qt::Key_P},                // the Puzzle menu
    {"Printcmd", Qt::ALT | Qt::Key_R},               // the print menu
    {"AutoSolve", Qt::CTRL | Qt::SHIFT | Qt::Key_A}, // a chord: it overwrites entries
    {"Command9", QKeyCombination(Qt::Key_Escape)},   // Cancel Auto Solve
    {"Command11", Qt::ALT | Qt::Key_C},              // the Create menu
    {"ManualSolve", Qt::ALT | Qt::Key_M},            // the Manual Solve menu
    {"setcol", Qt::ALT | Qt::Key_S},                 // the Color Scheme menu
    {"help", Qt::ALT | Qt::Key_H},                   // the help-about menu
    {"viewcmd", Qt::ALT | Qt::Key_V},                // the View menu
    {"Exitcmd", Qt::CTRL | Qt::Key_Q},
    {"Command8_0", QKeyCombination(Qt::Key_PageUp)},   // Previous Puzzle
    {"Command8_1", Qt::CTRL | Qt::Key_Home},           // First Puzzle
    {"Command8_2", QKeyCombination(Qt::Key_PageDown)}, // Next Puzzle
    {"Command8_3", Qt::CTRL | Qt::Key_End},            // Last Puzzle
    {"Command8_4", Qt::CTRL | Qt::Key_R},              // Random Puzzle
};

// Menu items reached straight from the main window. The print item goes
// through the Print button's refusal while AutoSolve runs.
const struct {
    const char* item;
    QKeyCombination key;
    bool printing;
} kItemKeys[] = {
    {"mnuundo", Qt::CTRL | Qt::Key_Z, false},
    {"mnuhint", QKeyCombination(Qt::Key_H), false}, // in manual solving
    {"mnuhelp", QKeyCombination(Qt::Key_F1), false},
    {"mnuprintcurrent", Qt::CTRL | Qt::Key_P, true},
};

// Shows a button's tool tip with its key.
class KeyHintFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::ToolTip || !widget || widget->toolTip().isEmpty())
            return false;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), toolTipWithKey(*widget),
                           widget);
        return true;
    }
};

QShortcut* shortcut(MainWindow& w, QKeyCombination key) {
    auto* s = new QShortcut(QKeySequence(key), &w);
    s->setContext(Qt::WindowShortcut);
    return s;
}

} // namespace

QString toolTipWithKey(const QWidget& widget) {
    const QString key = widget.property(kKeyProperty).toString();
    return key.isEmpty() ? widget.toolTip() : widget.toolTip() + " (" + key + ")";
}

void wireKeys(MainWindow& w) {
    auto* hints = new KeyHintFilter(&w);
    for (const auto& k : kButtonKeys) {
        QPushButton* b = w.button(k.button);
        if (!b)
            continue;
        b->setProperty(kKeyProperty, QKeySequence(k.key).toString(QKeySequence::NativeText));
        b->installEventFilter(hints);
        QObject::connect(shortcut(w, k.key), &QShortcut::activated, &w, [&w, b] {
            if (b->isEnabled() && b->isVisible())
                w.clickFromKeyboard(b);
        });
    }
    for (const auto& k : kItemKeys) {
        QAction* a = w.action(k.item);
        if (!a)
            continue;
        a->setShortcut(QKeySequence(k.key)); // shown in the menu
        QObject::connect(
            shortcut(w, k.key), &QShortcut::activated, &w, [&w, a, printing = k.printing] {
                if (a->isEnabled() && (!printing || PrintButtonAllowed(w.state(), w.ui())))
                    a->trigger();
            });
    }
    // Ctrl+G: to the number box, ready for a puzzle number and Enter.
    QObject::connect(shortcut(w, Qt::CTRL | Qt::Key_G), &QShortcut::activated, &w, [&w] {
        w.numberBox()->setFocus(Qt::ShortcutFocusReason);
        w.numberBox()->selectAll();
    });
    w.numberBox()->setToolTip("Puzzle number: type it and press Enter");
    w.numberBox()->setProperty(
        kKeyProperty, QKeySequence(Qt::CTRL | Qt::Key_G).toString(QKeySequence::NativeText));
    w.numberBox()->installEventFilter(hints);
}

} // namespace vextor::app
