// How the program's shortcuts are shown: menus show their items' keys; the
// tool tips of buttons and of the number box add theirs in brackets. The keys
// themselves are bound from the command table (command_table.h).
#pragma once

#include <QString>

class QKeySequence;
class QWidget;

namespace vextor::app {

// Shows `key` after the widget's tool tip.
void showKeyInToolTip(QWidget& widget, const QKeySequence& key);

// A tool tip with the widget's shortcut, as it is shown: "Exit (Ctrl+Q)".
QString toolTipWithKey(const QWidget& widget);

} // namespace vextor::app
