#pragma once

#include "PrintContext.h"
#include "PrintJob.h"
#include "PrintSelection.h"

#include <memory>
#include <string>

namespace velmora {

// Draws the chosen parts of the protocol on an open job, each group from the top of its own
// page, always in the same order: parenteral data, programme with infusion parameters, enteral
// data, balance. Nothing chosen draws nothing.
void PrintProtocolPages(Canvas &canvas, const PrintContext &context,
                        const PrintSelection &selection);

// Runs one whole job. When the device fails on the way, the job is aborted rather than left
// open, and the message for the user (code page 1251) is returned; empty when all went well.
std::string RunPrintJob(PrintJob &job, const PrintContext &context,
                        const PrintSelection &selection);

// What the print command needs from the window around it.
class PrintCommandHost {
public:
    virtual ~PrintCommandHost() = default;
    // Shows the section selection dialog; true when it was left asking for printing.
    virtual bool ChooseSections() = 0;
    // Lets the user choose where to print; null when cancelled.
    virtual std::unique_ptr<PrintJob> ChooseDevice() = 0;
    // Tells the user about a failed job, in a message box captioned "Ошибка".
    virtual void ShowError(const std::string &message) = 0;
};

// The print command: selection dialog, device choice, then the chosen sections as one job.
// Either dialog cancelled: no job at all.
void RunPrintCommand(PrintCommandHost &host, const PrintContext &context);

} // namespace velmora
