#include "app/qt_support.h"

#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>
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
    return toQColor(plainTextColour(toColour(background)));
}

QIcon iconOnPanel(const QString& resource, const QSize& size, const QColor& panel) {
    if (textColourFor(panel) != QColor(Qt::white))
        return QIcon(resource);
    QSvgRenderer svg(resource);
    QIcon icon;
    for (int ratio : {1, 2, 3}) {
        QImage shape(size * ratio, QImage::Format_ARGB32_Premultiplied);
        shape.fill(Qt::transparent);
        {
            QPainter p(&shape);
            svg.render(&p);
        }
        QImage halo = shape;
        {
            QPainter p(&halo);
            p.setCompositionMode(QPainter::CompositionMode_SourceIn);
            p.fillRect(halo.rect(), QColor(255, 255, 255, 230));
        }
        QImage out(shape.size(), QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::transparent);
        {
            QPainter p(&out);
            // The shape's silhouette spread by about a pixel on every side.
            for (int dx = -ratio; dx <= ratio; ++dx)
                for (int dy = -ratio; dy <= ratio; ++dy)
                    if (dx * dx + dy * dy <= ratio * ratio + 1)
                        p.drawImage(dx, dy, halo);
            p.drawImage(0, 0, shape);
        }
        QPixmap pm = QPixmap::fromImage(out);
        pm.setDevicePixelRatio(ratio);
        icon.addPixmap(pm);
    }
    return icon;
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
