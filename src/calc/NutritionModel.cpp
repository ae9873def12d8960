#include "NutritionModel.h"

namespace velmora {

namespace {

// mg/kg/min of glucose to g/kg/day (1440 minutes, 1000 mg) and back.
constexpr double RateToDose = 1.44;
constexpr double DoseToRate = 0.6944444444444444;

} // namespace

NutritionModel::NutritionModel()
    : BodyWeight(0.1, 5), MedicationVolumeInput(0, 500), GestationalAge(15, 45), LifeDay(1, 365),
      KClDose(0, 100, 1.85), CaGluconateDose(0, 500, 3.33), NaCl10Dose(0, 500, 0.588),
      NaCl09Dose(0, 500, 6.667), MgSO4Dose(0, 500, 0.5), FluidVolume(0, 500, 1),
      GlucoseRate(0, 14, 1), TotalProtein(1.0), TotalFat(1.0), TotalCarbohydrate(1.0),
      ProteinNeed(0, 10, 0, 4), FatNeed(0, 10, 0, 3), CarbohydrateNeed(0, 25, 0, 16),
      SodiumNeed(0, 500, 0, 500), PotassiumNeed(0, 500, 0, 500), CalciumNeed(0, 500, 0, 500),
      MagnesiumNeed(0, 500, 0, 500), AminoAcidSolution(0, 6, 4, 0, 100),
      FatEmulsion(0, 4, 10, 0, 100), GlucoseSolution(0, 25, 4, 0, 100) {}

// --- Shared steps

void NutritionModel::RecalcParenteralEnergy() {
    ParenteralEnergy.SetSources(AminoAcidSolution.dose.energy.perDay.OrZero(),
                                FatEmulsion.dose.energy.perDay.OrZero(),
                                GlucoseSolution.dose.energy.perDay.OrZero());
    ParenteralEnergy.Recalc(BodyWeight);
}

void NutritionModel::RecalcEnteralEnergy() {
    EnteralEnergy.SetSources(EnteralFeeding.protein.energy.perDay.OrZero(),
                             EnteralFeeding.fat.energy.perDay.OrZero(),
                             EnteralFeeding.carbohydrate.energy.perDay.OrZero());
    EnteralEnergy.Recalc(BodyWeight);
}

void NutritionModel::GlucoseRateFromDose() {
    DataItem &dose = GlucoseSolution.dose.amount.perKg;
    if (dose.IsValid()) {
        GlucoseRate.perKg.Assign(static_cast<long double>(dose.value) * DoseToRate);
    } else {
        dose.Clear();
        GlucoseRate.perKg.Clear();
        GlucoseRate.perDay.Clear();
    }
    GlucoseRate.CalcPerDay(BodyWeight);
}

void NutritionModel::ApplyNeedProposals() {
    const std::array<std::pair<NeedNutrient *, Nutrient *>, 3> shares{{
        {&ProteinNeed, &EnteralFeeding.protein},
        {&FatNeed, &EnteralFeeding.fat},
        {&CarbohydrateNeed, &EnteralFeeding.carbohydrate},
    }};
    for (auto [need, enteral] : shares) {
        need->enteral.perKg.Assign(enteral->amount.perKg.OrZero());
        need->enteral.CalcPerDay(BodyWeight);
    }
    for (auto [need, enteral] : shares)
        need->CalcProposal(BodyWeight);

    const std::array<std::pair<NeedNutrient *, Solution *>, 3> doses{{
        {&ProteinNeed, &AminoAcidSolution},
        {&FatNeed, &FatEmulsion},
        {&CarbohydrateNeed, &GlucoseSolution},
    }};
    for (auto [need, solution] : doses) {
        solution->dose.amount.perKg.Assign(need->proposal.perKg.OrZero());
        solution->Recalc(BodyWeight);
    }
    GlucoseRateFromDose();
    RecalcParenteralEnergy();
}

void NutritionModel::RecalcProgramme() {
    using Wide = long double;
    ElectrolyteVolume.Assign(Wide(KClDose.perDay.OrZero()) + CaGluconateDose.perDay.OrZero() +
                             NaCl10Dose.perDay.OrZero() + NaCl09Dose.perDay.OrZero() +
                             MgSO4Dose.perDay.OrZero());
    MedicationVolume.Assign(MedicationVolumeInput.OrZero());
    SolutionsVolume.Assign(Wide(AminoAcidSolution.volume.perDay.OrZero()) +
                           FatEmulsion.volume.perDay.OrZero() +
                           GlucoseSolution.volume.perDay.OrZero());

    // A few ml of enteral volume (up to 20 ml/day) are not counted against the fluid volume.
    const float enteral = EnteralFeeding.volume.perDay.OrZero();
    DilutionWater.Assign(Wide(FluidVolume.perDay.OrZero()) - SolutionsVolume.OrZero() -
                         (enteral > 20.0f ? enteral : 0.0f) - ElectrolyteVolume.OrZero() -
                         MedicationVolume.OrZero());

    // The fat emulsion runs separately from the main bag.
    const Wide mainVolume = Wide(AminoAcidSolution.volume.perDay.OrZero()) +
                            GlucoseSolution.volume.perDay.OrZero() + ElectrolyteVolume.OrZero() +
                            DilutionWater.OrZero();
    MainInfusion.volume.Assign(mainVolume);
    MainSolutionVolume.Assign(mainVolume);
    ParenteralInfusionVolume.Assign(Wide(SolutionsVolume.OrZero()) + ElectrolyteVolume.OrZero());

    MainInfusion.dryMass.Assign(Wide(AminoAcidSolution.dose.amount.perDay.OrZero()) +
                                GlucoseSolution.dose.amount.perDay.OrZero());
    MainInfusion.Recalc();

    FatInfusion.volume.Assign(FatEmulsion.volume.perDay.OrZero());
    FatInfusion.dryMass.Assign(FatEmulsion.dose.amount.perDay.OrZero());
    FatInfusion.Recalc();

    const DataItem &glucose = GlucoseSolution.dose.amount.perDay;
    GlucoseConcentration = 0.0f;
    if (glucose.IsValid() && MainSolutionVolume.IsValid())
        GlucoseConcentration =
            static_cast<float>(Wide(glucose.value) / MainSolutionVolume.value * 100);
}

void NutritionModel::RecalcTotals() {
    struct Pair {
        Nutrient *total;
        const Nutrient *parenteral;
        const Nutrient *enteral;
    };
    const std::array<Pair, 3> pairs{{
        {&TotalProtein, &AminoAcidSolution.dose, &EnteralFeeding.protein},
        {&TotalFat, &FatEmulsion.dose, &EnteralFeeding.fat},
        {&TotalCarbohydrate, &GlucoseSolution.dose, &EnteralFeeding.carbohydrate},
    }};
    for (const Pair &p : pairs)
        p.total->amount.perKg.Assign(static_cast<long double>(p.parenteral->amount.perKg.OrZero()) +
                                     p.enteral->amount.perKg.OrZero());
    for (const Pair &p : pairs)
        p.total->amount.CalcPerDay(BodyWeight);
    // Energy is summed from each route, as fat emulsion and enteral fat differ per gram.
    for (const Pair &p : pairs) {
        p.total->energy.perDay.Assign(
            static_cast<long double>(p.parenteral->energy.perDay.OrZero()) +
            p.enteral->energy.perDay.OrZero());
        p.total->energy.CalcPerKg(BodyWeight);
    }
    TotalEnergy.SetSources(TotalProtein.energy.perDay.OrZero(), TotalFat.energy.perDay.OrZero(),
                           TotalCarbohydrate.energy.perDay.OrZero());
    TotalEnergy.Recalc(BodyWeight);
}

DisplayList NutritionModel::ResetCalculation() {
    BodyWeight.Clear();
    for (DataItem *item :
         {&ElectrolyteVolume, &DilutionWater, &SolutionsVolume, &ParenteralInfusionVolume,
          &MainSolutionVolume, &MedicationVolume, &MedicationVolumeInput})
        item->Clear();
    for (Element *element : {&KClDose, &CaGluconateDose, &NaCl10Dose, &NaCl09Dose, &MgSO4Dose,
                             &FluidVolume, &GlucoseRate})
        element->Clear();
    for (Nutrient *total : {&TotalProtein, &TotalFat, &TotalCarbohydrate})
        total->Clear();
    for (Solution *solution : {&AminoAcidSolution, &FatEmulsion, &GlucoseSolution})
        solution->Clear();
    for (Energy *energy : {&ParenteralEnergy, &EnteralEnergy, &TotalEnergy})
        energy->Clear();
    // The solutions keep their own copies, so parenteral calculation goes on working.
    for (ParenteralPreparat *preparat :
         {&AminoAcidPreparat, &FatEmulsionPreparat, &GlucosePreparat})
        preparat->Reset();
    MainInfusion.Clear();
    FatInfusion.Clear();
    EnteralFeeding.Clear();
    GlucoseConcentration = 0.0f;
    // The needs stay, but their daily figures belonged to the weight just cleared.
    for (NeedNutrient *need : {&ProteinNeed, &FatNeed, &CarbohydrateNeed, &SodiumNeed,
                               &PotassiumNeed, &CalciumNeed, &MagnesiumNeed})
        need->CalcPerDay(BodyWeight);
    return {Display::AllInputs, Display::Parenteral, Display::Enteral,
            Display::Balance,   Display::Needs,      Display::Programme};
}

// --- Input changes

DisplayList NutritionModel::WeightChanged() {
    AminoAcidSolution.Recalc(BodyWeight);
    FatEmulsion.Recalc(BodyWeight);
    GlucoseRate.CalcPerDay(BodyWeight);
    GlucoseSolution.Recalc(BodyWeight);
    for (Element *element : {&FluidVolume, &KClDose, &CaGluconateDose, &NaCl10Dose, &NaCl09Dose,
                             &MgSO4Dose, &EnteralFeeding.volume})
        element->CalcPerDay(BodyWeight);
    EnteralFeeding.CalcFeedVolumes();
    EnteralFeeding.CalcNutrients(BodyWeight);
    RecalcParenteralEnergy();
    RecalcEnteralEnergy();
    // Daily needs follow the weight too, so that no per-day figure on screen belongs to an
    // earlier weight. The proposals are not renewed: doses the doctor typed stay.
    for (NeedNutrient *need : {&ProteinNeed, &FatNeed, &CarbohydrateNeed, &SodiumNeed,
                               &PotassiumNeed, &CalciumNeed, &MagnesiumNeed})
        need->CalcPerDay(BodyWeight);
    RecalcProgramme();
    RecalcTotals();
    return {Display::Balance, Display::Parenteral, Display::Enteral, Display::Programme,
            Display::Needs};
}

DisplayList NutritionModel::GestationalAgeChanged() {
    return {};
}
DisplayList NutritionModel::LifeDayChanged() {
    return {};
}

DisplayList NutritionModel::MacroNeedChanged(NeedNutrient &need, Solution &solution,
                                             DataItem &energySource) {
    need.need.CalcPerDay(BodyWeight);
    need.CalcProposal(BodyWeight);
    solution.dose.amount.perKg.Assign(need.proposal.perKg.OrZero());
    solution.Recalc(BodyWeight);
    energySource.Assign(solution.dose.energy.perDay.OrZero());
    ParenteralEnergy.Recalc(BodyWeight);
    if (&solution == &GlucoseSolution)
        GlucoseRateFromDose();
    RecalcProgramme();
    RecalcTotals();
    return {Display::Needs, Display::Balance, Display::Parenteral, Display::ParenteralDoses,
            Display::Programme};
}

DisplayList NutritionModel::ProteinNeedChanged() {
    return MacroNeedChanged(ProteinNeed, AminoAcidSolution, ParenteralEnergy.protein);
}

DisplayList NutritionModel::FatNeedChanged() {
    return MacroNeedChanged(FatNeed, FatEmulsion, ParenteralEnergy.fat);
}

DisplayList NutritionModel::CarbohydrateNeedChanged() {
    return MacroNeedChanged(CarbohydrateNeed, GlucoseSolution, ParenteralEnergy.carbohydrate);
}

DisplayList NutritionModel::ElectroNeedChanged(NeedNutrient &need) {
    need.need.CalcPerDay(BodyWeight);
    return {Display::Needs};
}

DisplayList NutritionModel::SodiumNeedChanged() {
    return ElectroNeedChanged(SodiumNeed);
}
DisplayList NutritionModel::PotassiumNeedChanged() {
    return ElectroNeedChanged(PotassiumNeed);
}
DisplayList NutritionModel::CalciumNeedChanged() {
    return ElectroNeedChanged(CalciumNeed);
}
DisplayList NutritionModel::MagnesiumNeedChanged() {
    return ElectroNeedChanged(MagnesiumNeed);
}

DisplayList NutritionModel::FluidVolumeChanged() {
    return ProgrammeInputChanged(FluidVolume);
}

DisplayList NutritionModel::DoseChanged(Solution &solution, DataItem &energySource) {
    solution.Recalc(BodyWeight);
    energySource.Assign(solution.dose.energy.perDay.OrZero());
    ParenteralEnergy.Recalc(BodyWeight);
    RecalcProgramme();
    RecalcTotals();
    return {Display::Balance, Display::Parenteral, Display::Programme};
}

DisplayList NutritionModel::AminoAcidDoseChanged() {
    return DoseChanged(AminoAcidSolution, ParenteralEnergy.protein);
}

DisplayList NutritionModel::FatDoseChanged() {
    return DoseChanged(FatEmulsion, ParenteralEnergy.fat);
}

DisplayList NutritionModel::GlucoseRateChanged() {
    GlucoseRate.CalcPerDay(BodyWeight);
    const DataItem &rate = GlucoseRate.perKg;
    GlucoseSolution.dose.amount.perKg.Assign(
        rate.IsValid() ? static_cast<long double>(rate.value) * RateToDose : 0.0L);
    return DoseChanged(GlucoseSolution, ParenteralEnergy.carbohydrate);
}

DisplayList NutritionModel::ProgrammeInputChanged(Element &dose) {
    dose.CalcPerDay(BodyWeight);
    RecalcProgramme();
    return {Display::Programme};
}

DisplayList NutritionModel::KClDoseChanged() {
    return ProgrammeInputChanged(KClDose);
}
DisplayList NutritionModel::CaGluconateDoseChanged() {
    return ProgrammeInputChanged(CaGluconateDose);
}
DisplayList NutritionModel::NaCl10DoseChanged() {
    return ProgrammeInputChanged(NaCl10Dose);
}
DisplayList NutritionModel::NaCl09DoseChanged() {
    return ProgrammeInputChanged(NaCl09Dose);
}
DisplayList NutritionModel::MgSO4DoseChanged() {
    return ProgrammeInputChanged(MgSO4Dose);
}

DisplayList NutritionModel::MedicationVolumeChanged() {
    RecalcProgramme();
    return {Display::Programme};
}

DisplayList NutritionModel::InfusionTimeChanged(Infusion &infusion) {
    infusion.CalcRate();
    return {Display::Programme};
}

DisplayList NutritionModel::MainInfusionTimeChanged() {
    return InfusionTimeChanged(MainInfusion);
}
DisplayList NutritionModel::FatInfusionTimeChanged() {
    return InfusionTimeChanged(FatInfusion);
}

DisplayList NutritionModel::FeedCountChanged() {
    EnteralFeeding.CalcFeedVolumes();
    return {Display::Enteral};
}

DisplayList NutritionModel::EnteralChanged() {
    ApplyNeedProposals();
    RecalcEnteralEnergy();
    RecalcProgramme();
    RecalcTotals();
    return {Display::Balance, Display::Programme, Display::Enteral, Display::Parenteral,
            Display::ParenteralDoses};
}

DisplayList NutritionModel::EnteralVolumeChanged() {
    EnteralFeeding.volume.CalcPerDay(BodyWeight);
    EnteralFeeding.CalcNutrients(BodyWeight);
    EnteralFeeding.CalcFeedVolumes();
    return EnteralChanged();
}

DisplayList NutritionModel::EnteralPreparatChosen(int index) {
    // Only a filled entry of the list can be chosen.
    if (index < 0 || index >= EnteralFeedCount || !EnteralCatalogue[index].valid)
        return {};
    EnteralFeeding.preparat.Assign(EnteralCatalogue[index]);
    EnteralFeeding.CalcNutrients(BodyWeight);
    return EnteralChanged();
}

// --- Edits

EditResult NutritionModel::Edit(const InputField &field, std::string_view text,
                                char decimalSeparator) {
    EditResult result;
    result.outcome = field.item(*this).ParseText(text, decimalSeparator);
    result.displays = (this->*field.apply)();
    return result;
}

EditResult NutritionModel::Edit(std::string_view control, std::string_view text,
                                char decimalSeparator) {
    const InputField *field = FindInputField(control);
    if (field == nullptr)
        return {ParseOutcome::Unreadable, {}};
    return Edit(*field, text, decimalSeparator);
}

} // namespace velmora
