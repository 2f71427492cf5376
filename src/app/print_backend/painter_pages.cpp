#include "app/print_backend/painter_pages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace vextor::printing {

namespace {

QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

QFont pageFont(double points, bool bold, double scale, const QPaintDevice& device) {
    QFont font(QString::fromLatin1(print::kFont));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(bold);
    // points on paper are 20 twips each; at scale s a page unit is 1/s twip.
    // The font size is given in the device's points, which the painter's
    // scale then maps like every other length.
    const double units = points * 20 * scale;
    font.setPointSizeF(std::max(0.1, units * 72.0 / device.logicalDpiY()));
    return font;
}

} // namespace

void drawPage(QPainter& painter, QPagedPaintDevice& device, const print::Page& page) {
    const double fit = print::fitFactor(page);
    const double dpi = device.logicalDpiX();
    for (const print::Section& sec : page.sections) {
        const double k = fit * std::min(device.width() / (print::kPageWidth * sec.scale),
                                        device.height() / (print::kPageHeight * sec.scale));
        painter.save();
        painter.scale(k, k);
        for (const print::DrawOp& op : sec.ops) {
            const QRectF box(op.x, op.y, op.w, op.h);
            switch (op.kind) {
            case print::DrawOp::Kind::FilledRect:
                painter.fillRect(box, toQColor(op.colour));
                break;
            case print::DrawOp::Kind::Outline: {
                // Line widths are printer pixels at 600 per inch.
                QPen pen(toQColor(op.colour), op.lineWidth * dpi / 600.0 / k);
                pen.setJoinStyle(Qt::MiterJoin);
                painter.setPen(pen);
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box);
                break;
            }
            case print::DrawOp::Kind::Text: {
                const QFont font = pageFont(op.points, op.bold, sec.scale, device);
                painter.setFont(font);
                painter.setPen(Qt::black);
                const QFontMetricsF metrics(font, &device);
                painter.drawText(QPointF(op.x, op.y + metrics.ascent()),
                                 QString::fromStdString(op.text));
                break;
            }
            }
        }
        painter.restore();
    }
}

PainterSink::PainterSink(QPagedPaintDevice* device) : device_(device) {}

PainterSink::~PainterSink() {
    finish();
}

bool PainterSink::page(const print::Page& page) {
    if (failed_)
        return false;
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(device_)) {
            failed_ = true;
            return false;
        }
        painter_->setRenderHint(QPainter::Antialiasing, false);
    } else if (!device_->newPage()) {
        failed_ = true;
        return false;
    }
    drawPage(*painter_, *device_, page);
    ++pages_;
    return true;
}

bool PainterSink::finish() {
    if (painter_ && painter_->isActive() && !painter_->end())
        failed_ = true;
    return !failed_;
}

PdfSink::PdfSink(const QString& path, const QString& title)
    : writer_(std::make_unique<QPdfWriter>(path)) {
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    writer_->setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                                       QPageLayout::Portrait, QMarginsF(8, 8, 8, 8),
                                       QPageLayout::Millimeter));
    writer_->setCreator(QStringLiteral("Vextor"));
    writer_->setTitle(title);
    sink_ = std::make_unique<PainterSink>(writer_.get());
}

PdfSink::~PdfSink() {
    sink_.reset();
}

bool PdfSink::page(const print::Page& page) {
    return sink_->page(page);
}

bool PdfSink::finish() {
    return sink_->finish();
}

int PdfSink::pages() const {
    return sink_->pages();
}

namespace {
int gArgc = 1;
char gName[] = "vextor-cli";
char* gArgv[] = {gName, nullptr};
} // namespace

OffscreenGui::OffscreenGui() {
    if (QGuiApplication::instance())
        return;
    // Printing to a file needs no display, whatever platform the
    // environment names.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the command's own messages: Qt's remark that it
    // made its own runtime folder is not one of them.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (standard && !text.startsWith(QLatin1String("QStandardPaths:")))
                standard(type, context, text);
        });
    app_ = std::make_unique<QGuiApplication>(gArgc, gArgv);
}

OffscreenGui::~OffscreenGui() = default;

} // namespace vextor::printing
