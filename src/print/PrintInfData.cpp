#include "PrintInfData.h"

#include "NutritionModel.h"
#include "PrintText.h"

namespace velmora {

void PrintInfData::FillRows() {
    const NutritionModel &m = Model();
    BeginRows(11, 3);
    // The fat emulsion's dry mass and concentration appear nowhere on the window, only here.
    for (const auto &[caption, infusion] : {std::pair{u8"Основной раствор", &m.MainInfusion},
                                            std::pair{u8"Жировая эмульсия", &m.FatInfusion}}) {
        AddCaption(PrintText(caption));
        AddRow({PrintText(u8"Масса сухого вещества"), Cell(infusion->dryMass), PrintText(u8"г")});
        AddRow({PrintText(u8"Концентрация"), Cell(infusion->concentration), "%"});
        AddRow({PrintText(u8"Время введения раствора"), Cell(infusion->time), PrintText(u8"часы")});
        AddRow({PrintText(u8"Скорость введения раствора"), Cell(infusion->rate),
                PrintText(u8"мл/час")});
        AddSeparator();
    }
}

} // namespace velmora
