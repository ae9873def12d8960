#pragma once

#include "PrintProcess.h"

namespace velmora {

// Protocol section: the 24-hour programme, the daily volume of each solution and its total.
class PrintParProg : public PrintProcess {
public:
    using PrintProcess::PrintProcess;

    void FillRows() override;
    void PrintExtra() override;
};

} // namespace velmora
