// Solving by hand and drawing layouts in the main window: the grid's mouse
// and key events, the digit menu and the cell pad. (Their menu items are in
// the command table.)
// Everything it does is a call into the core followed by a refresh.
#pragma once

#include "app/grid_view.h"
#include "model/cell_events.h"

#include <QHash>
#include <QObject>

namespace vextor {
struct PadButton;
}

namespace vextor::app {

class MainWindow;
class CellPad;

// The core's view of a key released on the grid; scanCode is the platform's
// code of the key's place (0 when unknown).
KeyEvent toKeyEvent(const CellKey& key, quint32 scanCode = 0);
MouseButton toMouseButton(Qt::MouseButton button);

class GridInteraction : public QObject {
    Q_OBJECT
public:
    explicit GridInteraction(MainWindow& window);
    CellPad* pad() const { return pad_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildDigitMenu();
    void onMouseUp(const CellMouse& event);
    void onKeyUp(const CellKey& event);
    void onPadButton(const PadButton& button, Qt::MouseButton mouse);
    void openPad(int anchor);
    void repaintPad();
    void focusGrid();

    MainWindow& w_;
    CellPad* pad_ = nullptr;
    // Keys pressed while the grid had the focus. A release counts only with
    // its press: the release of the Return that closed a dialog or a menu
    // must not move the cursor.
    QHash<int, Qt::KeyboardModifiers> pressedKeys_; // with Shift when it was held

    int releasedId_ = 0; // the key whose release the grid reports next
    quint32 releasedScanCode_ = 0;
};

} // namespace vextor::app
