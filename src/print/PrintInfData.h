#pragma once

#include "PrintProcess.h"

namespace velmora {

// Protocol section: the infusion parameters of the main solution and of the fat emulsion.
class PrintInfData : public PrintProcess {
public:
    using PrintProcess::PrintProcess;

    void FillRows() override;
};

} // namespace velmora
