#include "PrintBalanceData.h"

#include "NutritionModel.h"
#include "PrintText.h"

namespace velmora {

void PrintBalanceData::FillRows() {
    const NutritionModel &m = Model();
    const std::string gPerKg = PrintText(u8"г/кг/сутки"), gPerDay = PrintText(u8"г/сутки");
    const std::string mlPerDay = PrintText(u8"мл/сутки");

    BeginRows(18, 5);
    AddCaption(PrintText(u8"Масса сухого вещества"));
    for (const auto &[caption, total] : {std::pair{u8"Количество белков", &m.TotalProtein},
                                         std::pair{u8"Количество жиров", &m.TotalFat},
                                         std::pair{u8"Количество углеводов", &m.TotalCarbohydrate}})
        AddRow({PrintText(caption), Cell(total->amount.perKg), gPerKg, Cell(total->amount.perDay),
                gPerDay});
    AddSeparator();

    AddEnergyGroup(m.TotalCarbohydrate.energy, m.TotalFat.energy, m.TotalEnergy);

    // Fluid is a daily figure only: it stands in the first value column, the rest stays empty.
    AddCaption(PrintText(u8"Баланс жидкости"));
    for (const auto &[caption, volume] :
         {std::pair{u8"Общий объем жидкости", &m.FluidVolume.perDay},
          std::pair{u8"Объем инфузии", &m.MainInfusion.volume},
          std::pair{u8"Энтеральный объем", &m.EnteralFeeding.volume.perDay},
          std::pair{u8"Объем препаратов", &m.MedicationVolumeInput},
          std::pair{u8"Объем воды для разведения", &m.DilutionWater}})
        AddRow({PrintText(caption), Cell(*volume), mlPerDay, "", ""});
    AddSeparator();
}

} // namespace velmora
