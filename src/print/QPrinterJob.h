#pragma once

#include "PrintJob.h"
#include "QPainterCanvas.h"

#include <QPainter>

#include <optional>

class QPrinter;

// A print job on a QPrinter: a real printer, a PDF file or a preview page set.
class QPrinterJob : public velmora::PrintJob {
public:
    explicit QPrinterJob(QPrinter &printer);
    ~QPrinterJob() override;

    velmora::Canvas &BeginDoc() override;
    void EndDoc() override;
    void Abort() noexcept override;

private:
    QPrinter &printer;
    QPainter painter;
    std::optional<QPainterCanvas> canvas;
};
