#include "ProtocolPdf.h"

#include "PrintCommand.h"
#include "QPrinterJob.h"

#include <QFile>
#include <QPageSize>
#include <QPrinter>

void SetUpPdfPrinter(QPrinter &printer, const QString &path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

std::string SaveProtocolPdf(const QString &path, const velmora::PrintContext &context,
                            const velmora::PrintSelection &selection) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, path);
    std::string failure;
    {
        QPrinterJob job(printer);
        failure = velmora::RunPrintJob(job, context, selection);
    }
    if (!failure.empty())
        QFile::remove(path);
    return failure;
}
