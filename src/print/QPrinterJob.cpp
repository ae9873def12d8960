#include "QPrinterJob.h"

#include "PrintText.h"

#include <QPrinter>

using namespace velmora;

QPrinterJob::QPrinterJob(QPrinter &printer) : printer(printer) {}

QPrinterJob::~QPrinterJob() {
    if (painter.isActive())
        painter.end();
}

velmora::Canvas &QPrinterJob::BeginDoc() {
    if (!painter.begin(&printer))
        throw PrintFailure(PrintText(u8"Не удалось начать печать: принтер или файл недоступен."));
    canvas.emplace(painter, &printer);
    if (printer.printRange() == QPrinter::PageRange)
        canvas->SetPageRanges(printer.pageRanges());
    return *canvas;
}

void QPrinterJob::EndDoc() {
    const bool ended = painter.end();
    canvas.reset();
    if (!ended || printer.printerState() == QPrinter::Error)
        throw PrintFailure(PrintText(u8"Принтер сообщил об ошибке при завершении печати."));
}

void QPrinterJob::Abort() noexcept {
    printer.abort();
    if (painter.isActive())
        painter.end();
    canvas.reset();
}
