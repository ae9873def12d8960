#pragma once

#include "Canvas.h"

namespace velmora {

// One print job on one device: the printer's BeginDoc / EndDoc, or a PDF file, or a recorder.
// Pages are started through the canvas that BeginDoc hands out.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    // Opens the job; throws PrintFailure when the device refuses.
    virtual Canvas &BeginDoc() = 0;
    // Finishes the job; throws PrintFailure when the device reports a failure.
    virtual void EndDoc() = 0;
    // Drops an open job after a failure. Must not throw.
    virtual void Abort() noexcept = 0;
};

} // namespace velmora
