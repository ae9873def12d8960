#pragma once

#include "Canvas.h"

#include <QFont>
#include <QPageRanges>
#include <QStringDecoder>

class QPainter;
class QPagedPaintDevice;

// Draws the protocol with a QPainter, on a printer, a PDF or a preview page. `pages` starts new
// pages; without it (an image) a page break is a failure.
class QPainterCanvas : public velmora::Canvas {
public:
    QPainterCanvas(QPainter &painter, QPagedPaintDevice *pages);

    // Only these pages of the protocol, counted from 1, reach the device; empty: all of them.
    // Qt leaves a page range chosen in a printer dialog to the program that draws.
    void SetPageRanges(const QPageRanges &ranges);

    void SetFont(const std::string &name, int charset, int size) override;
    void SetStyle(bool bold, bool underline) override;
    int TextWidth(const std::string &text) override;
    int TextHeight(const std::string &text) override;
    void TextOut(int x, int y, const std::string &text) override;
    void Line(int x1, int y1, int x2, int y2) override;
    int PageHeight() override;
    void NewPage() override;

private:
    QString ToQString(const std::string &text);
    void ApplyFont();
    bool PageShown() const;

    QPainter &painter;
    QPagedPaintDevice *pages;
    QFont font;
    QStringDecoder decoder;
    QPageRanges shownPages;
    // The protocol's page being drawn, and whether the device's open page has received any of it.
    int page = 1;
    bool devicePageUsed = false;
};
