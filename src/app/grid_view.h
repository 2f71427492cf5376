// The grid area: one widget that paints every cell of the grid from the
// application state and reports mouse and key events per cell. The main
// window keeps it in a scrolled area.
#pragma once

#include "state/app_state.h"

#include <QWidget>

namespace vextor::app {

// A mouse event on a cell: its index, the button, the shift state and the
// position inside the cell in twips.
struct CellMouse {
    int cell = 0;
    Qt::MouseButton button = Qt::NoButton;
    Qt::KeyboardModifiers shift;
    int x = 0;        // twips from the cell's left edge
    int y = 0;        // twips from the cell's top edge
    QPoint globalPos; // where a pop-up menu for this event opens
};

// A key released while the grid has the focus. The cell is the cursor cell.
struct CellKey {
    int cell = 0;
    int key = 0; // Qt::Key
    Qt::KeyboardModifiers shift;
    bool keypad = false; // digits of the numeric keypad are told apart
    // '1'..'9' typed on the main keyboard (not the keypad), else 0.
    int mainDigit() const { return !keypad && key >= Qt::Key_1 && key <= Qt::Key_9 ? key : 0; }
};

class GridView : public QWidget {
    Q_OBJECT
public:
    explicit GridView(const AppState& st, QWidget* parent = nullptr);

    // The view size in per cent (100, 125, 150, 200): a display factor only;
    // the cells keep their places in twips.
    void setZoom(int percent);
    int zoom() const { return zoom_; }
    // Twips to pixels at the view size.
    int zoomed(int twips) const;

    // The twips position (inside the grid area) of a pixel.
    QPoint toTwips(QPointF pixels) const;
    // The pixel rectangle of cell i.
    QRect cellRect(int i) const;
    // Where pencil mark d (1..9) of cell i is drawn: the d-th ninth of the
    // cell's mark area, row by row from the top left.
    QRect pencilMarkRect(int i, int digit) const;

    // Repaints suspended while hidden (long commands).
    void setHidden(bool hidden);
    bool isHidden() const { return hidden_; }
    // Panel colour behind the cells.
    void setPanelColour(const QColor& colour);

signals:
    void cellMouseDown(const vextor::app::CellMouse& event);
    void cellMouseMove(const vextor::app::CellMouse& event);
    // Not raised for cells whose Enabled is off.
    void cellMouseUp(const vextor::app::CellMouse& event);
    void cellKeyUp(const vextor::app::CellKey& event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    CellMouse mouseAt(int cell, QMouseEvent* event) const;
    void paintCell(QPainter& p, int i) const;
    QRect toPixels(const QRect& twips, const QPoint& origin) const;

    const AppState& st_;
    bool hidden_ = false;
    int pressedCell_ = 0; // the cell that took the mouse press receives its release
    QColor panel_;
    int zoom_ = 100;
};

} // namespace vextor::app

Q_DECLARE_METATYPE(vextor::app::CellMouse)
Q_DECLARE_METATYPE(vextor::app::CellKey)
