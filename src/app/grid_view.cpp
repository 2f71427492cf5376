#include "app/grid_view.h"

#include "app/qt_support.h"
#include "model/cell_display.h"
#include "model/geometry.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vextor::app {

namespace {

// The parts of a cell, in twips from its top-left corner.
const QRect kTickRect(0, 0, 156, 156);
const QRect kAcrossRect(320, 20, 250, 200);
const QRect kDownRect(30, 320, 250, 200);
const QRect kChoicesRect(0, 120, 610, 384);

QRect toPixels(const QRect& twips, const QPoint& origin) {
    const int l = px(twips.left()), t = px(twips.top());
    const int r = px(twips.left() + twips.width()), b = px(twips.top() + twips.height());
    return QRect(origin.x() + l, origin.y() + t, r - l, b - t);
}

} // namespace

GridView::GridView(const AppState& st, QWidget* parent) : QWidget(parent), st_(st) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    panel_ = palette().color(QPalette::Window);
}

QPoint GridView::toTwips(QPointF pixels) {
    return QPoint(static_cast<int>(pixels.x() * kTwipsPerPixel),
                  static_cast<int>(pixels.y() * kTwipsPerPixel));
}

QRect GridView::cellRect(int i) const {
    if (!st_.grid.valid(i))
        return {};
    const Square& s = st_.grid[i];
    const int l = px(s.left), t = px(s.top);
    return QRect(l, t, px(s.left + kCellWidth) - l, px(s.top + kCellHeight) - t);
}

void GridView::setHidden(bool hidden) {
    hidden_ = hidden;
    setUpdatesEnabled(!hidden);
    if (!hidden)
        update();
}

void GridView::setPanelColour(const QColor& colour) {
    panel_ = colour;
    update();
}

void GridView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), panel_);
    for (int i = 1; i <= st_.grid.ncells; ++i)
        paintCell(p, i);
}

void GridView::paintCell(QPainter& p, int i) const {
    const Square& s = st_.grid[i];
    const CellDisplay d = describeCell(st_, i);
    const QRect r = cellRect(i);
    const QColor back = toQColor(d.background);
    p.fillRect(r, back);

    // Sum cells carry the diagonal that splits the across clue from the down clue.
    if (!s.Black && s.known) {
        QColor line = textColourFor(back);
        line.setAlpha(110);
        p.setPen(QPen(line, 1));
        p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomRight() - QPoint(1, 1));
    }
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));

    const QPoint o = r.topLeft();
    const QFont clueFont = courierFont(pointsToPixels(8), true);
    if (!d.acrossText.empty()) {
        p.setFont(clueFont);
        p.setPen(toQColor(d.acrossColour));
        p.drawText(toPixels(kAcrossRect, o), Qt::AlignRight | Qt::AlignTop,
                   QString::fromStdString(d.acrossText));
    }
    if (!d.downText.empty()) {
        p.setFont(clueFont);
        p.setPen(toQColor(d.downColour));
        p.drawText(toPixels(kDownRect, o), Qt::AlignLeft | Qt::AlignBottom,
                   QString::fromStdString(d.downText));
    }
    if (!d.line1.empty() && !s.Black) {
        p.setFont(courierFont(pointsToPixels(d.pointSize), d.bold));
        // Readable on dark schemes too; a repeated digit in the error colour.
        p.setPen(d.errorDigit ? toQColor(d.errorColour) : textColourFor(back));
        QString text = QString::fromStdString(d.line1);
        if (!d.line2.empty())
            text += '\n' + QString::fromStdString(d.line2);
        p.drawText(toPixels(kChoicesRect, o), Qt::AlignCenter, text);
    }
    if (d.tickVisible)
        p.fillRect(toPixels(kTickRect, o), toQColor(d.tickColour));
}

CellMouse GridView::mouseAt(int cell, QMouseEvent* event) const {
    CellMouse m;
    m.cell = cell;
    m.button = event->button();
    m.shift = event->modifiers();
    m.globalPos = event->globalPosition().toPoint();
    const QPoint t = toTwips(event->position());
    if (st_.grid.valid(cell)) {
        m.x = t.x() - st_.grid[cell].left;
        m.y = t.y() - st_.grid[cell].top;
    }
    return m;
}

void GridView::mousePressEvent(QMouseEvent* event) {
    const QPoint t = toTwips(event->position());
    pressedCell_ = cellAt(st_.grid, t.x(), t.y());
    if (pressedCell_ > 0)
        emit cellMouseDown(mouseAt(pressedCell_, event));
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint t = toTwips(event->position());
    const int cell = event->buttons() != Qt::NoButton && pressedCell_ > 0
                         ? pressedCell_
                         : cellAt(st_.grid, t.x(), t.y());
    if (cell > 0)
        emit cellMouseMove(mouseAt(cell, event));
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
    const int cell = pressedCell_;
    pressedCell_ = 0;
    // A release outside every cell belongs to the grid area, a control: it
    // leaves a pending cell-pad choice armed.
    if (!st_.grid.valid(cell) || !st_.grid[cell].Enabled)
        return;
    emit cellMouseUp(mouseAt(cell, event));
}

void GridView::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    CellKey k;
    k.cell = st_.curcell;
    k.key = event->key();
    k.shift = event->modifiers();
    k.keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    emit cellKeyUp(k);
}

} // namespace vextor::app
