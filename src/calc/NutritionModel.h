#pragma once

#include "DataItem.h"
#include "DisplayTable.h"
#include "Element.h"
#include "Energy.h"
#include "EnteralFeed.h"
#include "EnteralPreparat.h"
#include "Infusion.h"
#include "NeedNutrient.h"
#include "Nutrient.h"
#include "ParenteralPreparat.h"
#include "Solution.h"

#include <array>
#include <string>
#include <string_view>

namespace velmora {

class NutritionModel;

// Keys a numeric field accepts: digits only, or digits and one decimal separator.
enum class KeyClass { Decimal, Digits };

// One numeric input field of the window: where its text goes in the model and which
// recalculation runs after it was read.
struct InputField {
    std::string_view control; // objectName of the edit
    KeyClass keys;
    bool leaveCheck; // warn "too small" when the field is left below its minimum
    DataItem &(*item)(NutritionModel &);
    DisplayList (NutritionModel::*apply)();
};

// The outcome of one edit of an input field and the displays to write afterwards.
struct EditResult {
    ParseOutcome outcome = ParseOutcome::Empty;
    DisplayList displays;
};

// The whole calculation state. Members carry the names of the calculator's quantities; the
// window reads text into them through `Edit` (or ParseText + the field's operation) and writes
// back the display tables the operation asks for. The program holds one for its run.
class NutritionModel {
public:
    static constexpr int CatalogueSize = 20;
    static constexpr int EnteralFeedCount = 17;

    NutritionModel();

    // Enters the product catalogue and gives each parenteral solution its preparation.
    void FillCatalogue();

    // --- One operation per input change, run after the text was parsed into the field's item.
    DisplayList WeightChanged();           // e_MT
    DisplayList GestationalAgeChanged();   // e_GestAge
    DisplayList LifeDayChanged();          // e_LifeDay
    DisplayList ProteinNeedChanged();      // e_NeedProtein_kg
    DisplayList FatNeedChanged();          // e_NeedFat_kg
    DisplayList CarbohydrateNeedChanged(); // e_NeedCarbon_kg
    DisplayList FluidVolumeChanged();      // e_TotalWater_kg
    DisplayList SodiumNeedChanged();       // e_NeedNa_kg
    DisplayList PotassiumNeedChanged();    // e_NeedK_kg
    DisplayList CalciumNeedChanged();      // e_NeedCa_kg
    DisplayList MagnesiumNeedChanged();    // e_NeedMg_kg
    DisplayList FeedCountChanged();        // e_FeedNumber
    DisplayList EnteralVolumeChanged();    // e_SumVolume_kg
    DisplayList AminoAcidDoseChanged();    // e_ParProtein_kg
    DisplayList FatDoseChanged();          // e_ParFat_kg
    DisplayList GlucoseRateChanged();      // e_CarbonRate_kg
    DisplayList KClDoseChanged();          // e_KCl_kg
    DisplayList CaGluconateDoseChanged();  // e_Ca_kg
    DisplayList NaCl10DoseChanged();       // e_NaCl10_kg
    DisplayList NaCl09DoseChanged();       // e_NaCl9_kg
    DisplayList MgSO4DoseChanged();        // e_MgSO4_kg
    DisplayList MainInfusionTimeChanged(); // e_MainInfTime
    DisplayList FatInfusionTimeChanged();  // e_EmulsionTime
    DisplayList MedicationVolumeChanged(); // e_PreparatVolume

    // The feed chosen at `index` in EnteralPreparatCbx (0..16). Outside that range nothing is
    // chosen and nothing happens.
    DisplayList EnteralPreparatChosen(int index);

    // Parses `text` into the field's item and runs its operation. The operation runs for
    // every outcome, unreadable text included (the value is then absent), so nothing on screen
    // is left computed from the text the field held before. The caller reports TooHigh and
    // Unreadable; TooLow is reported on leaving the field if `leaveCheck`. Unknown controls
    // give Unreadable and no displays.
    EditResult Edit(std::string_view control, std::string_view text, char decimalSeparator);
    EditResult Edit(const InputField &field, std::string_view text, char decimalSeparator);

    // --- Shared recalculation steps.
    // Enteral shares of the needs, proposals, the parenteral doses replaced by them, the
    // glucose rate, the parenteral energy.
    void ApplyNeedProposals();
    // Electrolyte volumes, dilution water, main solution, infusions, glucose concentration.
    void RecalcProgramme();
    // Parenteral plus enteral nutrients and energy.
    void RecalcTotals();
    // "Новый расчет": clears every value but the needs, gestational age and day of life.
    // Returns the displays to write: AllInputs (without the guard), then the others.
    DisplayList ResetCalculation();

    // --- Display routines: the fields each one writes, in order.
    DisplayTable ShowNeeds() const;
    DisplayTable ShowParenteral() const;
    DisplayTable ShowParenteralDoses() const;
    DisplayTable ShowProgramme() const;
    DisplayTable ShowEnteral() const;
    DisplayTable ShowBalance() const;
    DisplayTable ShowAllInputs() const;
    DisplayTable Show(Display display) const;

    // --- The calculation state.
    std::array<EnteralPreparat, CatalogueSize> EnteralCatalogue;
    DataItem BodyWeight;
    DataItem ElectrolyteVolume;
    DataItem DilutionWater;
    DataItem SolutionsVolume;
    DataItem ParenteralInfusionVolume;
    DataItem MainSolutionVolume;
    DataItem MedicationVolume;
    DataItem MedicationVolumeInput;
    DataItem GestationalAge;
    DataItem LifeDay;
    Element KClDose;
    Element CaGluconateDose;
    Element NaCl10Dose;
    Element NaCl09Dose;
    Element MgSO4Dose;
    Element FluidVolume;
    Element GlucoseRate;
    Nutrient TotalProtein;
    Nutrient TotalFat;
    Nutrient TotalCarbohydrate;
    NeedNutrient ProteinNeed;
    NeedNutrient FatNeed;
    NeedNutrient CarbohydrateNeed;
    NeedNutrient SodiumNeed;
    NeedNutrient PotassiumNeed;
    NeedNutrient CalciumNeed;
    NeedNutrient MagnesiumNeed;
    Solution AminoAcidSolution;
    Solution FatEmulsion;
    Solution GlucoseSolution;
    Energy ParenteralEnergy;
    Energy EnteralEnergy;
    Energy TotalEnergy;
    ParenteralPreparat AminoAcidPreparat;
    ParenteralPreparat FatEmulsionPreparat;
    ParenteralPreparat GlucosePreparat;
    Infusion MainInfusion;
    Infusion FatInfusion;
    EnteralFeed EnteralFeeding;
    float GlucoseConcentration = 0.0f; // percent glucose in the main solution
    // Display guard for the window: set while a display table is written into the fields, so
    // that change handlers ignore those writes.
    bool Refreshing = false;

private:
    DisplayList MacroNeedChanged(NeedNutrient &need, Solution &solution, DataItem &energySource);
    DisplayList ElectroNeedChanged(NeedNutrient &need);
    DisplayList DoseChanged(Solution &solution, DataItem &energySource);
    DisplayList ProgrammeInputChanged(Element &dose);
    DisplayList InfusionTimeChanged(Infusion &infusion);
    DisplayList EnteralChanged();
    void GlucoseRateFromDose();
    void RecalcEnteralEnergy();
    void RecalcParenteralEnergy();
};

// The 24 numeric input fields of the window, in the order of the input table.
const std::array<InputField, 24> &InputFields();
// The field of `control`, or nullptr.
const InputField *FindInputField(std::string_view control);

// The texts of EnteralPreparatCbx in code page 1251; position = catalogue index. They equal
// the catalogue names except item 8.
const std::array<std::string, NutritionModel::EnteralFeedCount> &EnteralPreparatListTexts();

} // namespace velmora
