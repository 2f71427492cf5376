#include "app/grid_view.h"

#include "app/qt_support.h"
#include "model/cell_display.h"
#include "model/geometry.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vextor::app {

namespace {

// The parts of a cell, in twips from its top-left corner.
const QRect kTickRect(0, 0, 156, 156);
const QRect kAcrossRect(320, 20, 250, 200);
const QRect kDownRect(30, 320, 250, 200);
const QRect kChoicesRect(0, 120, 610, 384);
// Pencil marks: a 3 x 3 pattern below the corner marker.
const QRect kPencilRect(36, 150, 552, 405);
// The ring round a repeated digit: centred on the digit, clear of the corner
// marker and of the cursor's outline.
const QRect kRingRect(125, 142, 360, 340);

} // namespace

GridView::GridView(const AppState& st, QWidget* parent) : QWidget(parent), st_(st) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    panel_ = palette().color(QPalette::Window);
}

void GridView::setZoom(int percent) {
    zoom_ = percent;
    update();
}

int GridView::zoomed(int twips) const {
    return static_cast<int>(std::lround(twips * zoom_ / (100.0 * kTwipsPerPixel)));
}

QPoint GridView::toTwips(QPointF pixels) const {
    const double f = 100.0 * kTwipsPerPixel / zoom_;
    return QPoint(static_cast<int>(pixels.x() * f), static_cast<int>(pixels.y() * f));
}

QRect GridView::toPixels(const QRect& twips, const QPoint& origin) const {
    const int l = zoomed(twips.left()), t = zoomed(twips.top());
    const int r = zoomed(twips.left() + twips.width()), b = zoomed(twips.top() + twips.height());
    return QRect(origin.x() + l, origin.y() + t, r - l, b - t);
}

QRect GridView::cellRect(int i) const {
    if (!st_.grid.valid(i))
        return {};
    const Square& s = st_.grid[i];
    return toPixels(QRect(0, 0, kCellWidth, kCellHeight), QPoint(0, 0))
        .translated(zoomed(s.left), zoomed(s.top));
}

QRect GridView::pencilMarkRect(int i, int digit) const {
    const QRect cell = cellRect(i);
    if (cell.isNull() || digit < 1 || digit > 9)
        return {};
    const int w = kPencilRect.width() / 3, h = kPencilRect.height() / 3;
    const QRect ninth(kPencilRect.left() + (digit - 1) % 3 * w,
                      kPencilRect.top() + (digit - 1) / 3 * h, w, h);
    return toPixels(ninth, cell.topLeft());
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
    const qreal scale = zoom_ / 100.0;
    auto fontPixels = [scale](double points) {
        return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0 * scale)));
    };

    // Sum cells carry the diagonal that splits the across clue from the down clue.
    if (!s.Black && s.known) {
        QColor line = toQColor(d.textColour);
        line.setAlpha(110);
        p.setPen(QPen(line, scale));
        p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomRight() - QPoint(1, 1));
    }
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));

    const QPoint o = r.topLeft();
    const QFont clueFont = courierFont(fontPixels(8), true);
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
    if (!s.Black && !d.pencilMarks.empty()) {
        // Each candidate at its own place: 1 top left .. 9 bottom right.
        p.setFont(arialFont(fontPixels(6.5)));
        p.setPen(toQColor(d.textColour));
        for (char ch : d.pencilMarks)
            if (ch >= '1' && ch <= '9')
                p.drawText(pencilMarkRect(i, ch - '0'), Qt::AlignCenter, QString(QChar(ch)));
    } else if (!d.line1.empty() && !s.Black) {
        p.setFont(courierFont(fontPixels(d.pointSize), d.bold));
        // A repeated digit in the error colour.
        p.setPen(toQColor(d.errorDigit ? d.errorColour : d.textColour));
        QString text = QString::fromStdString(d.line1);
        if (!d.line2.empty())
            text += '\n' + QString::fromStdString(d.line2);
        p.drawText(toPixels(kChoicesRect, o), Qt::AlignCenter, text);
    }
    if (d.errorDigit && !s.Black) {
        // A ring round the repeated digit: the mark is not in its colour alone.
        const QRect ring = toPixels(kRingRect, o);
        p.setPen(QPen(toQColor(d.errorColour), std::max(1.5, 1.6 * scale)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(ring);
    }
    if (d.cursor) {
        // Along the edges, leaving the corner marker's square free.
        const QRect tick = toPixels(kTickRect, o);
        const int t = std::max(2, r.width() / 12);
        const QColor c = toQColor(d.cursorColour);
        p.fillRect(QRect(tick.right() + 1, r.top(), r.right() - tick.right(), t), c);
        p.fillRect(QRect(r.left(), tick.bottom() + 1, t, r.bottom() - tick.bottom()), c);
        p.fillRect(QRect(r.right() - t + 1, r.top(), t, r.height()), c);
        p.fillRect(QRect(r.left(), r.bottom() - t + 1, r.width(), t), c);
    }
    if (d.tickVisible) {
        // The marker keeps its colour; its outline reads on any cell.
        const QRect tick = toPixels(kTickRect, o);
        p.fillRect(tick, toQColor(d.tickOutline));
        const int edge = std::max(1, tick.width() / 5);
        p.fillRect(tick.adjusted(edge, edge, -edge, -edge), toQColor(d.tickColour));
    }
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

void GridView::keyPressEvent(QKeyEvent* event) {
    // The cursor keys are the grid's own: the scrolled area around it must
    // not move on them (it follows the cursor instead).
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
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
