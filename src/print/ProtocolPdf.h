#pragma once

#include "PrintContext.h"
#include "PrintSelection.h"

#include <QString>

#include <string>

class QPrinter;

// Prepares `printer` to write the protocol into a PDF file: A4 at 600 dpi, the resolution of a
// good office printer, so that the file looks like the paper.
void SetUpPdfPrinter(QPrinter &printer, const QString &path);

// Draws the chosen sections into a PDF file, the same pages as on paper. Returns the message for
// the user (code page 1251) when the file could not be written; empty on success. A failed file
// is removed rather than left half-written.
std::string SaveProtocolPdf(const QString &path, const velmora::PrintContext &context,
                            const velmora::PrintSelection &selection);
