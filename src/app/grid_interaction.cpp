#include "app/grid_interaction.h"

#include "app/cell_pad.h"
#include "app/main_window.h"
#include "app/qt_support.h"
#include "edit/cell_pad.h"
#include "edit/grid_events.h"
#include "edit/layout_edit.h"
#include "manual/hint.h"
#include "manual/manual_solve.h"
#include "manual/play_aids.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSettings>
#include <functional>

namespace vextor::app {

namespace {

// The program's own settings (QSettings), not the configuration file.
const char* const kPencilSetting = "manualSolve/editPencilMarks";
const char* const kCheckSetting = "manualSolve/checkAsYouGo";

// Shift turns the digit keys into symbols, which differ between keyboard
// layouts: the key's place on the keyboard (X11 and Wayland key codes 10 to
// 18, Windows scan codes 2 to 10) tells the digit; the US symbols otherwise.
int shiftedDigit(int key, quint32 scanCode) {
    const QString platform = QGuiApplication::platformName();
    const int first = platform == "xcb" || platform.startsWith("wayland") ? 10
                      : platform == "windows"                             ? 2
                                                                          : 0;
    if (first != 0 && scanCode >= static_cast<quint32>(first) &&
        scanCode < static_cast<quint32>(first + 9))
        return static_cast<int>(scanCode) - first + 1;
    const int at = QString("!@#$%^&*(").indexOf(QChar(key));
    return key < 128 && at >= 0 ? at + 1 : 0;
}

// Presses and releases are paired by the key's place when the platform
// gives one: a Shift let go first changes the key's symbol.
int keyId(const QKeyEvent* event) {
    return event->nativeScanCode() != 0 ? -static_cast<int>(event->nativeScanCode()) : event->key();
}

} // namespace

KeyEvent toKeyEvent(const CellKey& key, quint32 scanCode) {
    KeyEvent k;
    k.shift = key.shift.testFlag(Qt::ShiftModifier);
    k.keypad = key.keypad;
    switch (key.key) {
    case Qt::Key_Left:
        k.code = KeyCode::Left;
        break;
    case Qt::Key_Right:
        k.code = KeyCode::Right;
        break;
    case Qt::Key_Up:
        k.code = KeyCode::Up;
        break;
    case Qt::Key_Down:
        k.code = KeyCode::Down;
        break;
    case Qt::Key_Home:
        k.code = KeyCode::Home;
        break;
    case Qt::Key_End:
        k.code = KeyCode::End;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        k.code = KeyCode::Enter;
        break;
    case Qt::Key_Delete:
        k.code = KeyCode::Delete;
        break;
    case Qt::Key_Backspace:
        k.code = KeyCode::Backspace;
        break;
    case Qt::Key_Comma:
        k.code = KeyCode::Comma;
        break;
    case Qt::Key_X:
        k.code = KeyCode::X;
        break;
    case Qt::Key_C:
        k.code = KeyCode::C;
        break;
    default:
        if (key.key >= Qt::Key_0 && key.key <= Qt::Key_9) {
            k.code = KeyCode::Digit;
            k.digit = key.key - Qt::Key_0;
        } else if (const int d = k.shift ? shiftedDigit(key.key, scanCode) : 0; d != 0) {
            k.code = KeyCode::Digit;
            k.digit = d;
        }
        break;
    }
    return k;
}

MouseButton toMouseButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    default:
        return MouseButton::Middle;
    }
}

GridInteraction::GridInteraction(MainWindow& window) : QObject(&window), w_(window) {
    setObjectName("GridInteraction");
    pad_ = new CellPad(&w_);
    pad_->hide();
    connect(pad_, &CellPad::buttonReleased, this, &GridInteraction::onPadButton);
    connect(&w_, &MainWindow::schemeApplied, this, &GridInteraction::repaintPad);

    GridView* grid = w_.gridView();
    grid->installEventFilter(this);
    connect(grid, &GridView::cellMouseUp, this, &GridInteraction::onMouseUp);
    connect(grid, &GridView::cellKeyUp, this, &GridInteraction::onKeyUp);
    // Moving over the grid puts the pad away.
    connect(grid, &GridView::cellMouseMove, this, [this](const CellMouse&) {
        if (pad_->isVisible())
            pad_->hide();
    });
    buildDigitMenu();
    connectMenuItems();
}

void GridInteraction::buildDigitMenu() {
    QMenu* m = w_.menu("mnucnx");
    if (!m)
        return;
    m->clear();
    auto add = [&](int k, const QString& caption) {
        QAction* a = m->addAction(caption);
        a->setObjectName(QString("xx%1").arg(k));
        connect(a, &QAction::triggered, this, [this, k] {
            const bool shift = QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
            w_.runCommand([this, k, shift] { DigitMenuClick(w_.state(), w_.ui(), k, shift); });
        });
    };
    for (int k = 0; k <= 8; ++k)
        add(k, QString::number(k + 1));
    add(kDigitMenuReset, "Reset");
    add(kDigitMenuCancel, "Cancel");
}

void GridInteraction::connectMenuItems() {
    auto wire = [this](const char* name, std::function<void()> command) {
        QAction* a = w_.action(name);
        if (!a)
            return;
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, [this, command] { w_.runCommand(command); });
    };
    AppState& st = w_.state();
    UserInterface& ui = w_.ui();
    wire("mnusolvemanually", [this, &st, &ui] {
        pad_->hide();
        StartManualSolve(st, ui);
        focusGrid();
    });
    wire("mnuundo", [this, &st, &ui] {
        UndoLastEntry(st, ui);
        focusGrid();
    });
    wire("mnuverifymanualentry", [this, &st, &ui] {
        VerifyManualSolve(st, ui);
        focusGrid();
    });
    wire("mnuhint", [this, &st, &ui] {
        HintCommand(st, ui);
        focusGrid();
    });
    wire("mnustopmanual", [&st, &ui] { StopManualSolve(st, ui); });
    // The two options, remembered between starts.
    QSettings settings;
    const struct {
        const char* item;
        const char* key;
        std::function<void(bool)> set;
    } options[] = {
        {"mnupencilmarks", kPencilSetting, [&st](bool on) { SetEditPencilMarks(st, on); }},
        {"mnucheckasyougo", kCheckSetting, [&st, &ui](bool on) { SetCheckAsYouGo(st, ui, on); }},
    };
    for (const auto& o : options) {
        QAction* a = w_.action(o.item);
        if (!a)
            continue;
        a->setEnabled(true);
        const bool on = settings.value(o.key, false).toBool();
        a->setChecked(on);
        o.set(on);
        connect(a, &QAction::toggled, this, [this, key = QString(o.key), set = o.set](bool on) {
            QSettings().setValue(key, on);
            w_.runCommand([&] { set(on); });
        });
    }
    wire("mnuedit", [this, &st, &ui] {
        pad_->hide();
        if (EditCommand(st, ui))
            focusGrid();
    });
    wire("mnucleargrid", [this, &st, &ui] {
        pad_->hide();
        ClearGridCommand(st, ui);
    });
    wire("mnuclear", [&st] { MakeWhite(st); });
    wire("mnugrey", [&st] { MakeSum(st); });
    wire("mnublack", [&st] { MakeBlack(st); });
}

void GridInteraction::focusGrid() {
    w_.gridView()->setFocus();
}

void GridInteraction::onMouseUp(const CellMouse& event) {
    MouseEvent ev;
    ev.button = toMouseButton(event.button);
    ev.shift = event.shift.testFlag(Qt::ShiftModifier);
    ev.cell = event.cell;
    ev.x = event.x;
    ev.y = event.y;
    CellMouseResult result;
    w_.runCommand([&] { result = GridMouseUp(w_.state(), ev); });
    if (result.popup == CellPopup::DigitMenu) {
        w_.showMenu(w_.menu("mnucnx"), event.globalPos);
        QCoreApplication::processEvents();
        w_.refresh();
    } else if (result.popup == CellPopup::CellPad) {
        openPad(result.anchor);
    }
}

bool GridInteraction::eventFilter(QObject* watched, QEvent* event) {
    if (watched == w_.gridView()) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat())
                pressedKeys_.insert(keyId(key), key->modifiers() & Qt::ShiftModifier);
        } else if (event->type() == QEvent::KeyRelease) {
            auto* key = static_cast<QKeyEvent*>(event);
            releasedId_ = keyId(key);
            releasedScanCode_ = key->nativeScanCode();
        } else if (event->type() == QEvent::FocusOut) {
            pressedKeys_.clear();
        }
    }
    return QObject::eventFilter(watched, event);
}

void GridInteraction::onKeyUp(const CellKey& event) {
    const auto pressed = pressedKeys_.constFind(releasedId_);
    if (pressed == pressedKeys_.cend())
        return;
    // Shift counts when it was held as the key went down: it is often let go
    // before the key itself.
    CellKey released = event;
    released.shift |= pressed.value();
    pressedKeys_.erase(pressed);
    const KeyEvent key = toKeyEvent(released, releasedScanCode_);
    w_.runCommand([&] { GridKeyUp(w_.state(), w_.ui(), key); });
}

void GridInteraction::openPad(int anchor) {
    GridView* grid = w_.gridView();
    const QRect cell = grid->cellRect(anchor);
    if (cell.isNull())
        return;
    // The pad goes 380 twips below the Tag's top (the height of a caption bar
    // in the window-frame position the Tag once held); taking that off the
    // anchor's real screen position puts the pad right over the anchor cell.
    // The Tag keeps the record in twips; the pad itself goes to the real
    // position, which may lie outside the Tag's range on other monitors.
    const QPoint at = grid->mapToGlobal(cell.topLeft());
    const std::string tag =
        PadTag(at.x() * kTwipsPerPixel, at.y() * kTwipsPerPixel - kPadTopOffset);
    pad_->open(tag, at, toQColor(w_.state().whitecol));
}

void GridInteraction::onPadButton(const PadButton& button, Qt::MouseButton mouse) {
    PadOutcome out;
    w_.runCommand([&] { out = PadButtonUp(w_.state(), button, toMouseButton(mouse)); });
    const AppState& st = w_.state();
    if (out.paintWhite != 0)
        pad_->paintNumber(out.paintWhite, toQColor(st.whitecol));
    if (out.paintRed != 0)
        pad_->paintNumber(out.paintRed, toQColor(st.redcol));
    if (out.hide) {
        pad_->hide();
        focusGrid();
    }
}

void GridInteraction::repaintPad() {
    const AppState& st = w_.state();
    if (st.schemesApplied == 0)
        return; // no scheme yet: the pad keeps its own light grey
    pad_->applyScheme(toQColor(st.schemecolours[2]), toQColor(st.greycol), toQColor(st.whitecol));
}

} // namespace vextor::app
