#include "app/keyboard.h"

#include <QHelpEvent>
#include <QKeySequence>
#include <QToolTip>
#include <QWidget>

namespace vextor::app {

namespace {

const char* const kKeyProperty = "vextorKey";

// Shows a widget's tool tip with its key.
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

} // namespace

void showKeyInToolTip(QWidget& widget, const QKeySequence& key) {
    widget.setProperty(kKeyProperty, key.toString(QKeySequence::NativeText));
    // One filter per window, kept as a child of it.
    QWidget* window = widget.window();
    QObject* hints = window->findChild<QObject*>("KeyHints", Qt::FindDirectChildrenOnly);
    if (!hints) {
        hints = new KeyHintFilter(window);
        hints->setObjectName("KeyHints");
    }
    widget.installEventFilter(hints);
}

QString toolTipWithKey(const QWidget& widget) {
    const QString key = widget.property(kKeyProperty).toString();
    return key.isEmpty() ? widget.toolTip() : widget.toolTip() + " (" + key + ")";
}

} // namespace vextor::app
