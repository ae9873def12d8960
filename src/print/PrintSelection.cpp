#include "PrintSelection.h"

namespace velmora {

bool PrintSectionParData = true;
bool PrintSectionParProg = true;
bool PrintSectionEntData = true;
bool PrintSectionBalance = true;
bool PrintConfirmed = true;

void ResetPrintSelection() {
    PrintSectionParData = true;
    PrintSectionParProg = true;
    PrintSectionEntData = true;
    PrintSectionBalance = true;
    PrintConfirmed = true;
}

PrintSelection CurrentPrintSelection() {
    return {PrintSectionParData, PrintSectionParProg, PrintSectionEntData, PrintSectionBalance};
}

} // namespace velmora
