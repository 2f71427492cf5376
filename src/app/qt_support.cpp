#include "app/qt_support.h"

#include <QGroupBox>
#include <QPalette>
#include <QWidget>

namespace vextor::app {

QString toDisplay(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

QFont courierFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                   QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QFont arialFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QColor textColourFor(const QColor& background) {
    const double luma =
        0.299 * background.redF() + 0.587 * background.greenF() + 0.114 * background.blueF();
    return luma < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
}

void paintPanel(QWidget* widget, const QColor& panel) {
    if (!widget)
        return;
    QPalette pal = widget->palette();
    const QColor text = textColourFor(panel);
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::AlternateBase})
        pal.setColor(role, panel);
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(role, text);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, text);
    QColor dimmed = text;
    dimmed.setAlphaF(0.45);
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, dimmed);
    pal.setColor(QPalette::Disabled, QPalette::Text, dimmed);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

QGroupBox* twipsFrame(QWidget* parent, const QString& caption, int left, int top, int width,
                      int height) {
    auto* f = new QGroupBox(caption, parent);
    f->setGeometry(px(left), px(top), px(width), px(height));
    return f;
}

} // namespace vextor::app
