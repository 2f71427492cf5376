// The cell pad (Form2): a small frameless tool window of clue numbers and
// cell kinds that a right click on a cell opens next to it. It only shows
// buttons and reports their releases; the core decides what they do.
#pragma once

#include "edit/cell_pad.h"

#include <QPushButton>
#include <QWidget>
#include <string>
#include <vector>

namespace vextor::app {

// A pad button that reports releases of every mouse button, not only the left.
class PadButtonWidget : public QPushButton {
    Q_OBJECT
public:
    PadButtonWidget(const PadButton& def, QWidget* parent);
    const PadButton& def() const { return def_; }
    void setFace(const QColor& colour);
    QColor face() const { return face_; }

signals:
    void releasedWith(const vextor::PadButton& def, Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PadButton def_;
    QColor face_;
};

class CellPad : public QWidget {
    Q_OBJECT
public:
    explicit CellPad(QWidget* parent);

    // Sets the Tag (the anchor position, see PadTag) and shows the pad
    // without making it modal. On showing, the pad moves to `at` (the anchor
    // cell's top-left corner on the screen, where the Tag's position points)
    // and paints its number buttons with numberFace.
    void open(const std::string& tag, const QPoint& at, const QColor& numberFace);
    const std::string& tag() const { return tag_; }

    PadButtonWidget* numberButton(int n) const; // Dig(n - 1); null outside 3..45
    PadButtonWidget* button(PadButtonKind kind) const;
    void paintNumber(int n, const QColor& colour);
    // A colour scheme: Grey and White take the colours of sum and white
    // cells, the background and every other button but Black the panel colour.
    void applyScheme(const QColor& panel, const QColor& grey, const QColor& white);

signals:
    void buttonReleased(const vextor::PadButton& def, Qt::MouseButton button);

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::vector<PadButtonWidget*> buttons_;
    std::string tag_;
    QPoint at_;
    QColor numberFace_;
};

} // namespace vextor::app
