#pragma once

namespace velmora {

// Which parts of the protocol the next print run draws, and whether the selection dialog was
// left in a way that asks for printing. The selection dialog resets all of them to on each
// time it opens.
extern bool PrintSectionParData;
extern bool PrintSectionParProg;
extern bool PrintSectionEntData;
extern bool PrintSectionBalance;
extern bool PrintConfirmed;

// The parts of the protocol one print run draws, always in the order of the members.
struct PrintSelection {
    bool parData = true;
    bool parProg = true;
    bool entData = true;
    bool balance = true;
};

// Sets every section flag and PrintConfirmed on.
void ResetPrintSelection();
// The section flags as they stand now.
PrintSelection CurrentPrintSelection();

} // namespace velmora
