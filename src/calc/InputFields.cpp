#include "NutritionModel.h"

namespace velmora {

namespace {

using M = NutritionModel;
constexpr KeyClass Dec = KeyClass::Decimal;
constexpr KeyClass Dig = KeyClass::Digits;

// clang-format off
const std::array<InputField, 24> Fields{{
    {"e_MT", Dec, true, [](M &m) -> DataItem & { return m.BodyWeight; }, &M::WeightChanged},
    {"e_GestAge", Dig, true, [](M &m) -> DataItem & { return m.GestationalAge; }, &M::GestationalAgeChanged},
    {"e_LifeDay", Dig, true, [](M &m) -> DataItem & { return m.LifeDay; }, &M::LifeDayChanged},
    {"e_NeedProtein_kg", Dec, false, [](M &m) -> DataItem & { return m.ProteinNeed.need.perKg; }, &M::ProteinNeedChanged},
    {"e_NeedFat_kg", Dec, false, [](M &m) -> DataItem & { return m.FatNeed.need.perKg; }, &M::FatNeedChanged},
    {"e_NeedCarbon_kg", Dec, false, [](M &m) -> DataItem & { return m.CarbohydrateNeed.need.perKg; }, &M::CarbohydrateNeedChanged},
    {"e_TotalWater_kg", Dec, false, [](M &m) -> DataItem & { return m.FluidVolume.perKg; }, &M::FluidVolumeChanged},
    {"e_NeedNa_kg", Dec, false, [](M &m) -> DataItem & { return m.SodiumNeed.need.perKg; }, &M::SodiumNeedChanged},
    {"e_NeedK_kg", Dec, false, [](M &m) -> DataItem & { return m.PotassiumNeed.need.perKg; }, &M::PotassiumNeedChanged},
    {"e_NeedCa_kg", Dec, false, [](M &m) -> DataItem & { return m.CalciumNeed.need.perKg; }, &M::CalciumNeedChanged},
    {"e_NeedMg_kg", Dec, false, [](M &m) -> DataItem & { return m.MagnesiumNeed.need.perKg; }, &M::MagnesiumNeedChanged},
    {"e_FeedNumber", Dig, false, [](M &m) -> DataItem & { return m.EnteralFeeding.feedCount; }, &M::FeedCountChanged},
    {"e_SumVolume_kg", Dec, false, [](M &m) -> DataItem & { return m.EnteralFeeding.volume.perKg; }, &M::EnteralVolumeChanged},
    {"e_ParProtein_kg", Dec, true, [](M &m) -> DataItem & { return m.AminoAcidSolution.dose.amount.perKg; }, &M::AminoAcidDoseChanged},
    {"e_ParFat_kg", Dec, true, [](M &m) -> DataItem & { return m.FatEmulsion.dose.amount.perKg; }, &M::FatDoseChanged},
    {"e_CarbonRate_kg", Dec, true, [](M &m) -> DataItem & { return m.GlucoseRate.perKg; }, &M::GlucoseRateChanged},
    {"e_KCl_kg", Dec, false, [](M &m) -> DataItem & { return m.KClDose.perKg; }, &M::KClDoseChanged},
    {"e_Ca_kg", Dec, false, [](M &m) -> DataItem & { return m.CaGluconateDose.perKg; }, &M::CaGluconateDoseChanged},
    {"e_NaCl10_kg", Dec, false, [](M &m) -> DataItem & { return m.NaCl10Dose.perKg; }, &M::NaCl10DoseChanged},
    {"e_NaCl9_kg", Dec, false, [](M &m) -> DataItem & { return m.NaCl09Dose.perKg; }, &M::NaCl09DoseChanged},
    {"e_MgSO4_kg", Dec, false, [](M &m) -> DataItem & { return m.MgSO4Dose.perKg; }, &M::MgSO4DoseChanged},
    {"e_MainInfTime", Dec, false, [](M &m) -> DataItem & { return m.MainInfusion.time; }, &M::MainInfusionTimeChanged},
    {"e_EmulsionTime", Dec, false, [](M &m) -> DataItem & { return m.FatInfusion.time; }, &M::FatInfusionTimeChanged},
    {"e_PreparatVolume", Dec, false, [](M &m) -> DataItem & { return m.MedicationVolumeInput; }, &M::MedicationVolumeChanged},
}};
// clang-format on

} // namespace

const std::array<InputField, 24> &InputFields() {
    return Fields;
}

const InputField *FindInputField(std::string_view control) {
    for (const InputField &field : Fields)
        if (field.control == control)
            return &field;
    return nullptr;
}

} // namespace velmora
