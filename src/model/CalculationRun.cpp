#include "model/CalculationRun.h"

#include <cmath>
#include <optional>

#include "model/IAST.h"
#include "model/ModBreakTime.h"
#include "model/ModelConstants.h"
#include "model/WaterZones.h"
#include "state/InputRanges.h"

namespace tess::model {

namespace {

using namespace ModelConstants;

// Starting humidity of every zone is the feed humidity plus this [fraction].
constexpr double ZoneHumidityOffset = 0.0001;
// Face area factor: 60 s/min divided by the 4 of the circle's area.
constexpr double FaceAreaFactor = 15;

struct InputProblem {
  int slot;
  std::string text;
};

std::string vaporLabel(const SetUp& state, int slot) {
  std::string label = "vapor " + std::to_string(slot);
  if (!state.Vapor[slot].ChemName.empty()) label += " (" + state.Vapor[slot].ChemName + ")";
  return label;
}

bool positive(double value) { return std::isfinite(value) && value > 0; }

// Inputs that the model divides by, takes a root or logarithm of, or needs above 0.
std::optional<InputProblem> checkInputs(const SetUp& state) {
  if (state.TotalVapors < 1 || state.TotalVapors > MaxVapors) {
    return InputProblem{0, "No vapor is selected. Select at least one vapor on the data-input screen."};
  }
  const float kelvin = static_cast<float>(state.Temperature + CelsiusToKelvin);
  if (!positive(kelvin)) {
    return InputProblem{0, "The temperature is not valid. Enter " + rangeRequest(TemperatureRange) + "."};
  }
  struct Required {
    double value;
    std::string text;
  };
  const Required conditions[] = {
      {state.AtmPressure,
       "The atmospheric pressure must be above 0. Enter " + rangeRequest(AtmPressureRange) + "."},
      {state.BreathingAirFlow,
       "The breathing air flow must be above 0. Enter " + rangeRequest(BreathingAirFlowRange) + "."},
      {static_cast<double>(state.NumCarts), "The number of cartridges must be at least 1."},
      {state.Cart.BedDiam, "The cartridge's bed diameter must be above 0 cm. Check the cartridge data."},
      {state.Cart.Bed_Depth, "The cartridge's bed depth must be above 0 cm. Check the cartridge data."},
      {state.Cart.CarbWgt, "The cartridge's carbon weight must be above 0 g. Check the cartridge data."},
      {state.Cart.MicVol,
       "The cartridge's micropore volume must be above 0 cm3/g. Check the cartridge data."},
      {state.Cart.DiamGran, "The cartridge's granule diameter must be above 0 cm. Check the cartridge data."},
      {state.Cart.APBenzene,
       "The cartridge's adsorption potential of benzene must be above 0 kJ/mol. Check the cartridge data."},
      {state.Cart.BetaH2O,
       "The cartridge's affinity coefficient for water must be above 0. Check the cartridge data."},
      {state.Cart.BetaH2OHalf,
       "The cartridge's affinity coefficient for water must be above 0. Check the cartridge data."},
  };
  for (const Required& r : conditions) {
    if (!positive(r.value)) return InputProblem{0, r.text};
  }
  if (!std::isfinite(state.RelHumid) || !std::isfinite(state.Cart.RelHumPre) ||
      !std::isfinite(state.Temperature)) {
    return InputProblem{0, "A humidity or the temperature is not a number. Enter the use conditions again."};
  }
  if (!std::isfinite(state.SuperficialVel)) {
    return InputProblem{0,
                        "The air velocity through the cartridge could not be computed. Return to the "
                        "data-input screen and continue again."};
  }
  for (int j = 1; j <= state.TotalVapors; ++j) {
    const VaporData& v = state.Vapor[j];
    struct VaporRequired {
      double value;
      const char* what;
    };
    const VaporRequired fields[] = {
        {v.MolWt, "molecular weight"},
        {v.LiqDensity, "liquid density"},
        {v.MolPol, "molecular polarizability"},
        {v.AvgVapConc, "concentration"},
    };
    for (const VaporRequired& f : fields) {
      if (!positive(f.value)) {
        return InputProblem{j, "The " + std::string(f.what) + " of " + vaporLabel(state, j) +
                                   " must be above 0. Check the vapor data."};
      }
    }
    if (!std::isfinite(v.AntoineA) || !std::isfinite(v.AntoineB) || !std::isfinite(v.AntoineC) ||
        !std::isfinite(v.WaterSol)) {
      return InputProblem{j,
                          "A value of " + vaporLabel(state, j) + " is not a number. Check the vapor data."};
    }
    if (static_cast<double>(kelvin) + v.AntoineC == 0) {
      return InputProblem{j, "The Antoine constant C of " + vaporLabel(state, j) +
                                 " equals minus the temperature in kelvin. Check the vapor data."};
    }
    const double fraction = state.BkFrac[j];
    if (!(fraction > 0 && fraction < 1)) {
      return InputProblem{j, "The breakthrough fraction of " + vaporLabel(state, j) +
                                 " must be above 0 and below 1. Enter its breakthrough concentration again."};
    }
  }
  return std::nullopt;
}

// Derived values that the model needs finite and, where it divides by them, above 0.
std::optional<InputProblem> checkDerived(const SetUp& state) {
  if (!positive(state.Cart.BedVolume) || !positive(state.Cart.BedDensity) || !positive(state.LinVelocity)) {
    return InputProblem{0,
                        "The cartridge's bed volume, density or air velocity could not be computed. Check "
                        "the cartridge data."};
  }
  if (!positive(state.PsatWater) || !std::isfinite(state.WaterVolPre)) {
    return InputProblem{0,
                        "The water held by the carbon could not be computed. Check the use conditions and "
                        "the cartridge data."};
  }
  for (int j = 1; j <= state.TotalVapors; ++j) {
    const VaporData& v = state.Vapor[j];
    if (!positive(v.Psat)) {
      return InputProblem{
          j, "The saturation vapor pressure of " + vaporLabel(state, j) +
                 " cannot be computed from its Antoine constants at this temperature. Check the vapor data."};
    }
    if (!positive(v.Beta) || !positive(v.MolarVol) || !positive(state.PartialP[j])) {
      return InputProblem{
          j, "The properties of " + vaporLabel(state, j) +
                 " give no usable affinity, molar volume or partial pressure. Check the vapor data."};
    }
  }
  return std::nullopt;
}

std::string stopMessage(const SetUp& state, StopReason reason, int slot) {
  const std::string who = slot > 0 ? vaporLabel(state, slot) : std::string("a vapor");
  switch (reason) {
    case StopReason::MarchLimit:
      return "The mixture equilibrium could not be solved for " + who + ". The calculation stopped.";
    case StopReason::ZeroPartialPressure:
      return "The partial pressure of " + who +
             " fell to 0 as the zones were worked out, and the mixture model has no value there. The "
             "calculation stopped.";
    case StopReason::ZeroSavedAmount:
      return "The carbon holds none of " + who +
             " when it breaks through, so the remaining vapors cannot be worked out. The calculation "
             "stopped.";
    case StopReason::ZeroOrganicDifference:
    case StopReason::WaterExclusionSingular:
      return "The water taken up by the carbon cannot be worked out for this mixture. The calculation "
             "stopped.";
    case StopReason::TimeStepLimit:
      return "The breakthrough time of " + who +
             " exceeds 10,000,000 minutes, beyond any service life. The calculation stopped.";
    case StopReason::NotFinite:
      return "A value of the model for " + who + " became infinite or undefined. The calculation stopped.";
    case StopReason::InvalidInput:
    case StopReason::None:
      break;
  }
  return "The calculation stopped.";
}

template <std::size_t N>
void clearNonFinite(std::array<double, N>& table) {
  for (double& value : table) {
    if (!std::isfinite(value)) value = 0;
  }
}

// After a stop: MixVapors as after a run, no time of an unfinished vapor, nothing undefined left.
void settleAfterStop(SetUp& state, const CalculationStatus& status) {
  state.MixVapors = 1;
  for (int i = 1; i <= MaxVapors; ++i) {
    if (!status.timeFixed[i]) {
      state.FinalBkTime[i] = 0;
      state.BkTimeMin[i] = 0;
      state.BkTimeMax[i] = 0;
    }
  }
  for (auto* table : {&state.PartialP,      &state.BkTime,       &state.AdsMoleFrac, &state.AdsAmount,
                      &state.SavedPartialP, &state.RedPotential, &state.ErfSeries,   &state.SpreadPress,
                      &state.SortKey,       &state.WaterVolume,  &state.WaterRH,     &state.ZoneSumPress,
                      &state.ZoneOrgVol,    &state.ZoneWaterEq,  &state.ZoneUptake,  &state.ZoneWaterRaw,
                      &state.ZoneDWater,    &state.ZoneDOrg,     &state.ZoneDPress,  &state.ZoneDRelHum}) {
    clearNonFinite(*table);
  }
  for (double* scalar : {&state.Kv, &state.KvMid, &state.KvAdj, &state.FracSum, &state.LastPartialP,
                         &state.LastAdsAmount, &state.ElapsedTime}) {
    if (!std::isfinite(*scalar)) *scalar = 0;
  }
  if (state.KvSlope && !std::isfinite(*state.KvSlope)) state.KvSlope.reset();
}

CalculationStatus stopped(const SetUp& state, StopReason reason, int slot, std::string message) {
  CalculationStatus status;
  status.reason = reason;
  status.vaporSlot = slot;
  if (slot > 0) status.vaporName = state.Vapor[slot].ChemName;
  status.message = std::move(message);
  return status;
}

}  // namespace

void computeSuperficialVel(SetUp& state) {
  const double diameter = state.Cart.BedDiam;
  const double flow = state.BreathingAirFlow;
  state.SuperficialVel =
      flow * Cm3PerLitre / (diameter * diameter * CircleConstant * FaceAreaFactor * state.NumCarts);
}

CalculationStatus runCalculation(SetUp& state, const ModelOptions& options) {
  if (auto problem = checkInputs(state)) {
    return stopped(state, StopReason::InvalidInput, problem->slot, problem->text);
  }

  for (int i = 0; i <= MaxVapors; ++i) {
    state.FinalBkTime[i] = 0;
    state.BkTime[i] = 0;
    state.BkTimeMin[i] = 0;
    state.BkTimeMax[i] = 0;
  }

  for (double& pressure : state.ZoneSumPress) pressure = 0;
  state.TempK = static_cast<float>(state.Temperature + CelsiusToKelvin);
  state.Cart.BedVolume = static_cast<float>(ModBreakTime::CalcBedVolume(state));
  state.Cart.BedDensity = ModBreakTime::CalcBedDensity(state);
  state.LinVelocity = ModBreakTime::CalcAirVelocity(state);
  state.PsatWater = ModBreakTime::WaterVaporPressure(state);
  state.VmWater = ModBreakTime::WaterMolarVolume();
  const double kelvin = state.TempK;
  for (int j = 1; j <= state.TotalVapors; ++j) {
    VaporData& v = state.Vapor[j];
    v.Beta = AffinityFactor * std::pow(static_cast<double>(v.MolPol), AffinityExponent);
    v.Psat = std::exp(v.AntoineA - v.AntoineB / (kelvin + v.AntoineC)) * KPaPerTorr;
    v.MolarVol = static_cast<float>(static_cast<double>(v.MolWt) / v.LiqDensity);
    state.PartialP[j] = ModBreakTime::VaporPartialPressure(state, j);
    state.ZoneWaterEq[j] = 0;
  }
  state.WaterVolPre = WaterZones::WaterVolumeDR(state, state.Cart.RelHumPre, state.Cart.BetaH2O);
  for (int m = 0; m <= state.TotalVapors; ++m) {
    state.WaterVolume[m] = state.WaterVolPre;
    state.WaterRH[m] = state.RelHumid + ZoneHumidityOffset;
  }
  state.MixVapors = state.TotalVapors;

  if (auto problem = checkDerived(state)) {
    CalculationStatus status = stopped(state, StopReason::InvalidInput, problem->slot, problem->text);
    settleAfterStop(state, status);
    return status;
  }

  int fixedDownTo = state.TotalVapors + 1;
  BoundsMet boundsMet;
  ModelOptions counted = options;
  counted.boundsMet = &boundsMet;
  try {
    IAST::CalcMixtureBreakTimes(state, counted, &fixedDownTo);
  } catch (const ModelStop& stop) {
    CalculationStatus status =
        stopped(state, stop.reason(), stop.vaporSlot(), stopMessage(state, stop.reason(), stop.vaporSlot()));
    status.detail = stop.what();
    status.boundsMet = boundsMet;
    for (int i = fixedDownTo; i <= state.TotalVapors; ++i) status.timeFixed[i] = true;
    settleAfterStop(state, status);
    return status;
  }
  CalculationStatus status;
  status.completed = true;
  status.boundsMet = boundsMet;
  for (int i = 1; i <= state.TotalVapors; ++i) status.timeFixed[i] = true;
  return status;
}

}  // namespace tess::model
