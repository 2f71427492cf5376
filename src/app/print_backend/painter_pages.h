// Draws printed pages (print/page_layout.h) with QPainter on a paged device:
// a QPdfWriter for PDF files or a QPrinter for the system printer.
#pragma once

#include "print/page_layout.h"

#include <QString>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QGuiApplication;

namespace vextor::printing {

// Draws each page on the device; the painter starts with the first page, so
// a job without pages leaves the device untouched. finish() ends the document.
class PainterSink : public print::PageSink {
public:
    explicit PainterSink(QPagedPaintDevice* device);
    ~PainterSink() override;
    bool page(const print::Page& page) override;
    // Ends the document; false when drawing failed.
    bool finish();
    int pages() const { return pages_; }
    bool failed() const { return failed_; }

private:
    QPagedPaintDevice* device_;
    std::unique_ptr<QPainter> painter_;
    int pages_ = 0;
    bool failed_ = false;
};

// A PDF file on A4 or US Letter paper, as the system's measurement system has it.
class PdfSink : public print::PageSink {
public:
    explicit PdfSink(const QString& path, const QString& title);
    ~PdfSink() override;
    bool page(const print::Page& page) override;
    bool finish();
    int pages() const;

private:
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<PainterSink> sink_;
};

// Draws one page on a painter that is active on `device`.
void drawPage(QPainter& painter, QPagedPaintDevice& device, const print::Page& page);

// A QGuiApplication for programs without one (vextor-cli): created on the
// offscreen platform, so no display is needed.
class OffscreenGui {
public:
    OffscreenGui();
    ~OffscreenGui();

private:
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace vextor::printing
