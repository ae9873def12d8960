#include "QPainterCanvas.h"

#include "PrintText.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

using namespace velmora;

QPainterCanvas::QPainterCanvas(QPainter &painter, QPagedPaintDevice *pages)
    : painter(painter), pages(pages), decoder("windows-1251") {}

void QPainterCanvas::SetFont(const std::string &name, int /*charset*/, int size) {
    // Qt picks the glyphs by the text itself; the Cyrillic character set needs no selection.
    const double dpi = painter.device()->logicalDpiY();
    const double pixels = std::abs(size) * dpi / 72.0;
    QFont chosen(QString::fromStdString(name));
    chosen.setBold(font.bold());
    chosen.setUnderline(font.underline());
    if (size < 0) {
        // The size is the height of the whole character cell (ascent + descent), while Qt's
        // pixel size is the em height: scale by the font's own cell-to-em proportion.
        QFont reference(chosen);
        reference.setPixelSize(1000);
        const QFontMetricsF metrics(reference);
        const double cell = metrics.ascent() + metrics.descent();
        chosen.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * 1000.0 / cell))));
    } else {
        chosen.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    }
    font = chosen;
    ApplyFont();
}

void QPainterCanvas::SetStyle(bool bold, bool underline) {
    font.setBold(bold);
    font.setUnderline(underline);
    ApplyFont();
}

void QPainterCanvas::ApplyFont() {
    painter.setFont(QFont(font, painter.device()));
}

int QPainterCanvas::TextWidth(const std::string &text) {
    return painter.fontMetrics().horizontalAdvance(ToQString(text));
}

int QPainterCanvas::TextHeight(const std::string & /*text*/) {
    // The height of any text is the height of the font's character cell.
    return painter.fontMetrics().height();
}

void QPainterCanvas::SetPageRanges(const QPageRanges &ranges) {
    shownPages = ranges;
}

bool QPainterCanvas::PageShown() const {
    return shownPages.isEmpty() || shownPages.contains(page);
}

void QPainterCanvas::TextOut(int x, int y, const std::string &text) {
    if (text.empty() || !PageShown())
        return;
    devicePageUsed = true;
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), ToQString(text));
}

void QPainterCanvas::Line(int x1, int y1, int x2, int y2) {
    if (!PageShown())
        return;
    devicePageUsed = true;
    painter.drawLine(x1, y1, x2, y2);
}

int QPainterCanvas::PageHeight() {
    return painter.device()->height();
}

void QPainterCanvas::NewPage() {
    ++page;
    // With a page range, the device's first page waits for the first chosen page, and pages
    // outside the range never reach the device.
    if (!shownPages.isEmpty() && (!PageShown() || !devicePageUsed))
        return;
    if (pages == nullptr || !pages->newPage())
        throw PrintFailure(PrintText(u8"Принтер не смог начать новую страницу."));
    devicePageUsed = false;
}

QString QPainterCanvas::ToQString(const std::string &text) {
    return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}
