#pragma once

#include "PrintProcess.h"

namespace velmora {

// Protocol section: the enteral feed's volumes, nutrients and energy.
class PrintEntData : public PrintProcess {
public:
    using PrintProcess::PrintProcess;

    void FillRows() override;
    void PrintExtra() override;
};

} // namespace velmora
