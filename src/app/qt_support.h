// Small helpers shared by the windows: twips to pixels, colours, fonts, texts.
#pragma once

#include "base/colour.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>
#include <string>

class QGroupBox;
class QWidget;

namespace vextor::app {

// 1440 twips per inch at 96 logical dots per inch: 15 twips per pixel.
constexpr int kTwipsPerPixel = 15;
inline int px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
inline Colour toColour(const QColor& c) {
    return packColour(c.red(), c.green(), c.blue());
}

// Core texts use "\r\n" line breaks; Qt shows "\n".
QString toDisplay(const std::string& text);
inline std::string toStd(const QString& text) {
    return text.toStdString();
}

// "Courier New" and "Arial", falling back to the platform's monospaced and
// sans-serif faces. Sizes in pixels so that text keeps its place in the cells.
QFont courierFont(int pixelSize, bool bold = false);
QFont arialFont(int pixelSize, bool bold = false);
inline int pointsToPixels(double points) {
    return static_cast<int>(points * 96.0 / 72.0 + 0.5);
}

// Black or white, whichever reads better on the background.
QColor textColourFor(const QColor& background);

// A picture (SVG resource) for a button on the panel colour: as drawn on
// light panels; on dark panels with a light halo around its shapes, so that
// dark outlines stay recognisable. Sharp at device pixel ratios up to 3.
QIcon iconOnPanel(const QString& resource, const QSize& size, const QColor& panel);

// A captioned frame placed in twips.
QGroupBox* twipsFrame(QWidget* parent, const QString& caption, int left, int top, int width,
                      int height);

// The widget with its object name (controls are found by name) and, when
// given, its tooltip.
template <typename T> T* named(T* widget, const char* name, const char* tooltip = nullptr) {
    widget->setObjectName(name);
    if (tooltip)
        widget->setToolTip(tooltip);
    return widget;
}

// Paints a widget and its children with a panel colour (background, buttons,
// text boxes), with text in a readable colour.
void paintPanel(QWidget* widget, const QColor& panel);

} // namespace vextor::app
