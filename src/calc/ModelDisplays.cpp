// The display routines of NutritionModel: which model value each calculated field shows.
#include "NutritionModel.h"

namespace velmora {

DisplayTable NutritionModel::ShowNeeds() const {
    DisplayTable t;
    t.Add("e_NeedProtein_day", ProteinNeed.need.perDay);
    t.Add("e_NeedFat_day", FatNeed.need.perDay);
    t.Add("e_NeedCarbon_day", CarbohydrateNeed.need.perDay);
    t.Add("e_TotalWater_day", FluidVolume.perDay);
    t.Add("e_NeedNa_day", SodiumNeed.need.perDay);
    t.Add("e_NeedK_day", PotassiumNeed.need.perDay);
    t.Add("e_NeedCa_day", CalciumNeed.need.perDay);
    t.Add("e_NeedMg_day", MagnesiumNeed.need.perDay);
    return t;
}

DisplayTable NutritionModel::ShowParenteral() const {
    DisplayTable t;
    t.Add("e_ProteinVolume_kg", AminoAcidSolution.volume.perKg);
    t.Add("e_FatVolume_kg", FatEmulsion.volume.perKg);
    t.Add("e_CarbonRate_day", GlucoseRate.perDay);
    t.Add("e_ParCarbon_kg", GlucoseSolution.dose.amount.perKg);
    t.Add("e_CarbonVolume_kg", GlucoseSolution.volume.perKg);
    t.Add("e_ParProtein_day", AminoAcidSolution.dose.amount.perDay);
    t.Add("e_ParFat_day", FatEmulsion.dose.amount.perDay);
    t.Add("e_ParCarbon_day", GlucoseSolution.dose.amount.perDay);
    t.Add("e_ProteinVolume_day", AminoAcidSolution.volume.perDay);
    t.Add("e_FatVolume_day", FatEmulsion.volume.perDay);
    t.Add("e_CarbonVolume_day", GlucoseSolution.volume.perDay);
    t.Add("e_EmulsionVolume", FatEmulsion.volume.perDay);
    t.Add("e_ParCarbonEnergy_kg", GlucoseSolution.dose.energy.perKg);
    t.Add("e_ParFatEnergy_kg", FatEmulsion.dose.energy.perKg);
    t.Add("e_ParCarbonEnergy_day", GlucoseSolution.dose.energy.perDay);
    t.Add("e_ParFatEnergy_day", FatEmulsion.dose.energy.perDay);
    t.Add("e_ParNonproteinEnergy_kg", ParenteralEnergy.nonProtein.perKg);
    t.Add("e_ParTotalEnergy_kg", ParenteralEnergy.total.perKg);
    t.Add("e_ParNonproteinEnergy_day", ParenteralEnergy.nonProtein.perDay);
    t.Add("e_ParTotalEnergy_day", ParenteralEnergy.total.perDay);
    t.Add("e_ParEnergyRate_kg", ParenteralEnergy.perGramProtein);
    t.Add("e_ParEnergyRate_day", ParenteralEnergy.perGramProtein);
    return t;
}

DisplayTable NutritionModel::ShowParenteralDoses() const {
    DisplayTable t;
    t.AddInput("e_ParProtein_kg", AminoAcidSolution.dose.amount.perKg);
    t.AddInput("e_ParFat_kg", FatEmulsion.dose.amount.perKg);
    t.AddInput("e_CarbonRate_kg", GlucoseRate.perKg);
    return t;
}

DisplayTable NutritionModel::ShowProgramme() const {
    DisplayTable t;
    t.Add("e_TotalWater_day", FluidVolume.perDay);
    t.Add("e_KCl_day", KClDose.perDay);
    t.Add("e_KCl", KClDose.perDay);
    t.Add("e_Ca_day", CaGluconateDose.perDay);
    t.Add("e_Ca", CaGluconateDose.perDay);
    t.Add("e_NaCl10_day", NaCl10Dose.perDay);
    t.Add("e_NaCl10", NaCl10Dose.perDay);
    t.Add("e_NaCl9_day", NaCl09Dose.perDay);
    t.Add("e_NaCl9", NaCl09Dose.perDay);
    t.Add("e_MgSO4_day", MgSO4Dose.perDay);
    t.Add("e_MgSO4", MgSO4Dose.perDay);
    t.Add("e_InjectWater", DilutionWater);
    t.Add("e_ProteinVolume", AminoAcidSolution.volume.perDay);
    t.Add("e_CarbonVolume", GlucoseSolution.volume.perDay);
    t.Add("e_SummaryVolume", MainSolutionVolume);
    t.Add("e_DryMass", MainInfusion.dryMass);
    t.Add("e_Konc", MainInfusion.concentration);
    t.Add("e_MainInfRate", MainInfusion.rate);
    t.Add("e_EmulsionRate", FatInfusion.rate);
    t.Add("e_TotalVolume", FluidVolume.perDay);
    t.Add("e_MainInfVolume", ParenteralInfusionVolume);
    t.Add("e_PrepVolume", MedicationVolume);
    t.Add("e_InjVolume", DilutionWater);
    t.Add("e_EntVol", EnteralFeeding.volume.perDay);
    t.Add("e_TotalConcGlu", GlucoseConcentration);
    return t;
}

DisplayTable NutritionModel::ShowEnteral() const {
    const EnteralFeed &feed = EnteralFeeding;
    DisplayTable t;
    t.Add("e_SumVolume_day", feed.volume.perDay);
    t.Add("e_FeedVolume_kg", feed.feedVolume.perKg);
    t.Add("e_FeedVolume_day", feed.feedVolume.perDay);
    t.Add("e_EntProtein_kg", feed.protein.amount.perKg);
    t.Add("e_EntFat_kg", feed.fat.amount.perKg);
    t.Add("e_EntCarbon_kg", feed.carbohydrate.amount.perKg);
    t.Add("e_EntProtein_day", feed.protein.amount.perDay);
    t.Add("e_EntFat_day", feed.fat.amount.perDay);
    t.Add("e_EntCarbon_day", feed.carbohydrate.amount.perDay);
    t.Add("e_EntCarbonEnergy_kg", feed.carbohydrate.energy.perKg);
    t.Add("e_EntFatEnergy_kg", feed.fat.energy.perKg);
    t.Add("e_EntCarbonEnergy_day", feed.carbohydrate.energy.perDay);
    t.Add("e_EntFatEnergy_day", feed.fat.energy.perDay);
    t.Add("e_EntNonproteinEnergy_kg", EnteralEnergy.nonProtein.perKg);
    t.Add("e_EntTotalEnergy_kg", EnteralEnergy.total.perKg);
    t.Add("e_EntNonproteinEnergy_day", EnteralEnergy.nonProtein.perDay);
    t.Add("e_EntTotalEnergy_day", EnteralEnergy.total.perDay);
    t.Add("e_EntEnergyRate_kg", EnteralEnergy.perGramProtein);
    t.Add("e_EntEnergyRate_day", EnteralEnergy.perGramProtein);
    return t;
}

DisplayTable NutritionModel::ShowBalance() const {
    DisplayTable t;
    t.Add("e_TotalProtein_kg", TotalProtein.amount.perKg);
    t.Add("e_TotalFat_kg", TotalFat.amount.perKg);
    t.Add("e_TotalCarbon_kg", TotalCarbohydrate.amount.perKg);
    t.Add("e_TotalProtein_day", TotalProtein.amount.perDay);
    t.Add("e_TotalFat_day", TotalFat.amount.perDay);
    t.Add("e_TotalCarbon_day", TotalCarbohydrate.amount.perDay);
    t.Add("e_TotalCarbonEnergy_kg", TotalCarbohydrate.energy.perKg);
    t.Add("e_TotalFatEnergy_kg", TotalFat.energy.perKg);
    t.Add("e_TotalCarbonEnergy_day", TotalCarbohydrate.energy.perDay);
    t.Add("e_TotalFatEnergy_day", TotalFat.energy.perDay);
    t.Add("e_TotalNonproteinEnergy_kg", TotalEnergy.nonProtein.perKg);
    t.Add("e_TotalEnergy_kg", TotalEnergy.total.perKg);
    t.Add("e_TotalNonproteinEnergy_day", TotalEnergy.nonProtein.perDay);
    t.Add("e_TotalEnergy_day", TotalEnergy.total.perDay);
    t.Add("e_TotalEnergyRate_kg", TotalEnergy.perGramProtein);
    t.Add("e_TotalEnergyRate_day", TotalEnergy.perGramProtein);
    return t;
}

DisplayTable NutritionModel::ShowAllInputs() const {
    DisplayTable t;
    t.AddInput("e_MT", BodyWeight);
    t.AddInput("e_ParProtein_kg", AminoAcidSolution.dose.amount.perKg);
    t.AddInput("e_ParFat_kg", FatEmulsion.dose.amount.perKg);
    t.AddInput("e_CarbonRate_kg", GlucoseRate.perKg);
    t.AddInput("e_TotalWater_kg", FluidVolume.perKg);
    t.AddInput("e_KCl_kg", KClDose.perKg);
    t.AddInput("e_Ca_kg", CaGluconateDose.perKg);
    t.AddInput("e_NaCl10_kg", NaCl10Dose.perKg);
    t.AddInput("e_NaCl9_kg", NaCl09Dose.perKg);
    t.AddInput("e_MgSO4_kg", MgSO4Dose.perKg);
    t.AddInput("e_MainInfTime", MainInfusion.time);
    t.AddInput("e_EmulsionTime", FatInfusion.time);
    t.AddInput("e_PreparatVolume", MedicationVolumeInput);
    t.AddInput("e_FeedNumber", EnteralFeeding.feedCount);
    t.AddInput("e_SumVolume_kg", EnteralFeeding.volume.perKg);
    return t;
}

DisplayTable NutritionModel::Show(Display display) const {
    switch (display) {
    case Display::Needs:
        return ShowNeeds();
    case Display::Parenteral:
        return ShowParenteral();
    case Display::ParenteralDoses:
        return ShowParenteralDoses();
    case Display::Programme:
        return ShowProgramme();
    case Display::Enteral:
        return ShowEnteral();
    case Display::Balance:
        return ShowBalance();
    case Display::AllInputs:
        return ShowAllInputs();
    }
    return {};
}

} // namespace velmora
