#include "PrintParData.h"

#include "NutritionModel.h"
#include "PrintText.h"

namespace velmora {

void PrintParData::FillRows() {
    const NutritionModel &m = Model();
    const std::string gPerKg = PrintText(u8"г/кг/сутки"), gPerDay = PrintText(u8"г/сутки");
    const std::string mlPerKg = PrintText(u8"мл/кг/сутки"), mlPerDay = PrintText(u8"мл/сутки");
    const std::string mmolPerKg = PrintText(u8"ммоль/кг/сутки");
    auto row = [&](const char8_t *caption, const DataItem &perKg, const std::string &kgUnit,
                   const DataItem &perDay, const std::string &dayUnit) {
        AddRow({PrintText(caption), Cell(perKg), kgUnit, Cell(perDay), dayUnit});
    };

    BeginRows(27, 5);
    AddCaption(PrintText(u8"Масса сухого вещества"));
    const Nutrient &amino = m.AminoAcidSolution.dose, &fat = m.FatEmulsion.dose;
    const Nutrient &glucose = m.GlucoseSolution.dose;
    row(u8"Доза аминокислот", amino.amount.perKg, gPerKg, amino.amount.perDay, gPerDay);
    row(u8"Доза жиров", fat.amount.perKg, gPerKg, fat.amount.perDay, gPerDay);
    row(u8"Скорость пост-я глюкозы", m.GlucoseRate.perKg, PrintText(u8"мг/кг/мин"),
        m.GlucoseRate.perDay, PrintText(u8"мг/мин"));
    row(u8"Доза глюкозы", glucose.amount.perKg, gPerKg, glucose.amount.perDay, gPerDay);
    AddSeparator();

    AddCaption(PrintText(u8"Объем инфузии"));
    for (const auto &[caption, solution] :
         {std::pair{u8"Аминовен инфант 10%", &m.AminoAcidSolution},
          std::pair{u8"Жировая эмульсия 20%", &m.FatEmulsion},
          std::pair{u8"Раствор глюкозы 40%", &m.GlucoseSolution}})
        row(caption, solution->volume.perKg, mlPerKg, solution->volume.perDay, mlPerDay);
    AddSeparator();

    AddEnergyGroup(glucose.energy, fat.energy, m.ParenteralEnergy);

    AddCaption(PrintText(u8"Объем жидкости"));
    row(u8"Объем жидкости", m.FluidVolume.perKg, mlPerKg, m.FluidVolume.perDay, mlPerDay);
    AddSeparator();

    AddCaption(PrintText(u8"Электролиты"));
    // "Са" in the calcium line is Cyrillic, as it has always been printed.
    for (const auto &[caption, dose] :
         {std::pair{u8"Доза KCl 4%", &m.KClDose},
          std::pair{u8"Доза Са глюконат 10%", &m.CaGluconateDose},
          std::pair{u8"Доза NaCl 10%", &m.NaCl10Dose}, std::pair{u8"Доза NaCl 0.9%", &m.NaCl09Dose},
          std::pair{u8"Доза MgSO4 25%", &m.MgSO4Dose}})
        row(caption, dose->perKg, mmolPerKg, dose->perDay, mlPerDay);
    AddSeparator();
}

} // namespace velmora
