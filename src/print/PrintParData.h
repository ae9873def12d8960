#pragma once

#include "PrintProcess.h"

namespace velmora {

// Protocol section: the parenteral doses, solution volumes, energy, fluid and electrolytes.
class PrintParData : public PrintProcess {
public:
    using PrintProcess::PrintProcess;

    void FillRows() override;
};

} // namespace velmora
