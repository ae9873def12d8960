#include "PrintParProg.h"

#include "NutritionModel.h"
#include "PrintText.h"

namespace velmora {

void PrintParProg::FillRows() {
    const NutritionModel &m = Model();
    const std::string mlPerDay = PrintText(u8"мл/сутки");
    BeginRows(10, 3);
    AddCaption(PrintText(u8"Программа ПП"));
    // The programme's own spelling: Latin "Ca" and "0,9%" with a comma.
    for (const auto &[caption, volume] :
         {std::pair{u8"Вода для инъекций", &m.DilutionWater},
          std::pair{u8"Аминовен инфант 10%", &m.AminoAcidSolution.volume.perDay},
          std::pair{u8"Жировая эмульсия 20%", &m.FatEmulsion.volume.perDay},
          std::pair{u8"Раствор глюкозы 40%", &m.GlucoseSolution.volume.perDay},
          std::pair{u8"KCl 4%", &m.KClDose.perDay},
          std::pair{u8"Глюконат Ca 10%", &m.CaGluconateDose.perDay},
          std::pair{u8"NaCl 10%", &m.NaCl10Dose.perDay},
          std::pair{u8"NaCl 0,9%", &m.NaCl09Dose.perDay},
          std::pair{u8"MgSO4 25%", &m.MgSO4Dose.perDay}})
        AddRow({PrintText(caption), Cell(*volume), mlPerDay});
    AddSeparator();
}

void PrintParProg::PrintExtra() {
    // The total of the main solution, in the table's columns, framed by two rules.
    KeepLinesOnPage(3);
    PrintRule();
    curX = leftX;
    canvas->SetStyle(true, false);
    DrawText(curX, PageY, PrintText(u8"ИТОГО:"));
    curX += colWidths[0];
    DrawText(curX, PageY, Cell(Model().MainSolutionVolume));
    curX += colWidths[1];
    DrawText(curX, PageY, PrintText(u8"мл/сутки"));
    canvas->SetStyle(false, false);
    PageY += lineStep;
    PrintRule();
    curX = leftX;
    PageY += lineStep;
}

} // namespace velmora
