#pragma once

#include "PrintProcess.h"

namespace velmora {

// Protocol section: the overall balance of nutrients, energy and fluid.
class PrintBalanceData : public PrintProcess {
public:
    using PrintProcess::PrintProcess;

    void FillRows() override;
};

} // namespace velmora
