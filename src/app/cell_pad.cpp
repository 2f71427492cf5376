#include "app/cell_pad.h"

#include "app/qt_support.h"

#include <QMouseEvent>

namespace vextor::app {

namespace {

const QColor kPadGrey(224, 224, 224);

QString objectNameOf(const PadButton& b) {
    switch (b.kind) {
    case PadButtonKind::Exit:
        return "Canx";
    case PadButtonKind::Number:
        return QString("Dig_%1").arg(b.number - 1);
    case PadButtonKind::C:
        return "Command1";
    case PadButtonKind::Black:
        return "Black";
    case PadButtonKind::Grey:
        return "Grey";
    case PadButtonKind::White:
        return "White";
    }
    return {};
}

QString tooltipOf(const PadButton& b) {
    switch (b.kind) {
    case PadButtonKind::Exit:
        return "Close the pad";
    case PadButtonKind::Number:
        return QString("Clue %1: left click puts it on the side you clicked; right click "
                       "two numbers for an across,down pair")
            .arg(b.number);
    case PadButtonKind::C:
        return "Remove the clue on the side you clicked";
    case PadButtonKind::Black:
        return "Black cell";
    case PadButtonKind::Grey:
        return "Sum cell";
    case PadButtonKind::White:
        return "White cell";
    }
    return {};
}

} // namespace

PadButtonWidget::PadButtonWidget(const PadButton& def, QWidget* parent)
    : QPushButton(QString::fromStdString(def.caption), parent), def_(def) {
    setObjectName(objectNameOf(def));
    setToolTip(tooltipOf(def));
    setGeometry(px(def.left), px(def.top), px(def.left + def.width) - px(def.left),
                px(def.top + def.height) - px(def.top));
    setFont(arialFont(def.kind == PadButtonKind::Number ? 11 : 10));
    setFocusPolicy(Qt::NoFocus);
}

void PadButtonWidget::setFace(const QColor& colour) {
    face_ = colour;
    const QColor text = textColourFor(colour);
    setStyleSheet(QString("QPushButton { background-color: %1; color: %2; border: 1px solid "
                          "#606060; padding: 0px; } QPushButton:pressed { border: 2px solid "
                          "#303030; }")
                      .arg(colour.name(), text.name()));
}

void PadButtonWidget::mousePressEvent(QMouseEvent* event) {
    setDown(true);
    event->accept();
}

void PadButtonWidget::mouseReleaseEvent(QMouseEvent* event) {
    setDown(false);
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit releasedWith(def_, event->button());
}

CellPad::CellPad(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName("Form2");
    setFixedSize(px(kPadWidth), px(kPadHeight));
    for (const PadButton& def : padButtons()) {
        auto* b = new PadButtonWidget(def, this);
        connect(b, &PadButtonWidget::releasedWith, this, &CellPad::buttonReleased);
        buttons_.push_back(b);
    }
    numberFace_ = QColor(254, 254, 254);
    button(PadButtonKind::Black)->setFace(QColor(0, 0, 0));
    button(PadButtonKind::Grey)->setFace(kPadGrey);
    button(PadButtonKind::White)->setFace(QColor(255, 255, 255));
    button(PadButtonKind::Exit)->setFace(kPadGrey);
    button(PadButtonKind::C)->setFace(kPadGrey);
    for (int n = kPadFirstNumber; n <= kPadLastNumber; ++n)
        numberButton(n)->setFace(numberFace_);
    paintPanel(this, kPadGrey);
}

void CellPad::open(const std::string& tag, const QPoint& at, const QColor& numberFace) {
    tag_ = tag;
    at_ = at;
    numberFace_ = numberFace;
    if (isVisible())
        hide(); // showing again places the pad anew
    show();
    raise();
}

PadButtonWidget* CellPad::numberButton(int n) const {
    for (PadButtonWidget* b : buttons_)
        if (b->def().kind == PadButtonKind::Number && b->def().number == n)
            return b;
    return nullptr;
}

PadButtonWidget* CellPad::button(PadButtonKind kind) const {
    for (PadButtonWidget* b : buttons_)
        if (b->def().kind == kind)
            return b;
    return nullptr;
}

void CellPad::paintNumber(int n, const QColor& colour) {
    if (PadButtonWidget* b = numberButton(n))
        b->setFace(colour);
}

void CellPad::applyScheme(const QColor& panel, const QColor& grey, const QColor& white) {
    paintPanel(this, panel);
    button(PadButtonKind::Grey)->setFace(grey);
    button(PadButtonKind::White)->setFace(white);
    for (PadButtonWidget* b : buttons_) {
        const PadButtonKind k = b->def().kind;
        if (k != PadButtonKind::Black && k != PadButtonKind::Grey && k != PadButtonKind::White)
            b->setFace(panel);
    }
}

void CellPad::showEvent(QShowEvent* event) {
    move(at_);
    for (int n = kPadFirstNumber; n <= kPadLastNumber; ++n) {
        PadButtonWidget* b = numberButton(n);
        if (b->face() != numberFace_)
            b->setFace(numberFace_);
    }
    QWidget::showEvent(event);
}

} // namespace vextor::app
