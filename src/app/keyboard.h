// The program's shortcuts: every toolbar and navigation button, the number
// box and the menu items a player uses most. Menus show their items' keys;
// the buttons' tool tips add theirs in brackets.
#pragma once

#include <QString>

class QWidget;

namespace vextor::app {

class MainWindow;

void wireKeys(MainWindow& w);

// A tool tip with the widget's shortcut, as it is shown: "Exit (Ctrl+Q)".
QString toolTipWithKey(const QWidget& widget);

} // namespace vextor::app
