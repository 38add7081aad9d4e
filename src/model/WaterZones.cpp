#include "model/WaterZones.h"

#include <cmath>
#include <string>

#include "model/ModelBounds.h"
#include "model/ModelConstants.h"
#include "model/WtdCalcs.h"

namespace WaterZones {

namespace {
using ModelConstants::GasConstant;
// Keeps ln(1 / x) finite at a humidity of 0 [fraction].
constexpr double HumidityOffset = 0.0001;
// A rolled-up humidity below 0 is replaced by this [fraction].
constexpr double HumidityFloor = 0.0001;
}  // namespace

double WaterVolumeDR(const SetUp& state, double x, double beta) {
  const double factor = (static_cast<double>(state.TempK) * GasConstant) / (beta * state.Cart.APBenzene);
  const double potential = factor * std::log(1 / (x + HumidityOffset));
  return state.Cart.MicVol * std::exp(-(potential * potential));
}

double uptakeExponent(const SetUp& state, double t, double gap) {
  double a = -UptakeConstant * state.Temperature;
  a = a * state.SuperficialVel;
  a = a * (t / state.Cart.Bed_Depth);
  return a / std::sqrt(gap);
}

double WaterUptakeFraction(const SetUp& state, double t, double Wprev, double Weq) {
  const double gap = std::fabs(Weq - Wprev);
  if (!(gap > 0)) return 1;
  return 1 - std::exp(uptakeExponent(state, t, gap));
}

double excludeOrganics(double water, double organicVolume, float micropore, int zone) {
  const double organicShare = organicVolume / micropore;
  const double denominator = 1 - (water / micropore) * organicShare;
  // Water and organics together exactly fill the micropores: the exclusion has no value.
  if (denominator == 0) {
    throw ModelStop(StopReason::WaterExclusionSingular, 0,
                    "organic exclusion of the water in zone " + std::to_string(zone));
  }
  return water * (1 - organicShare) / denominator;
}

double humidityRise(double waterDifference, double organicDifference, double pressureDifference,
                    double psatWater, int zone) {
  // Equal organic amounts in neighbouring zones leave the roll-up without a value.
  if (organicDifference == 0) {
    throw ModelStop(StopReason::ZeroOrganicDifference, 0, "humidity roll-up of zone " + std::to_string(zone));
  }
  return (waterDifference / organicDifference) * pressureDifference / psatWater;
}

double clampedHumidity(float relHumid, double rise) {
  double humidity = relHumid + rise;
  if (humidity > 1) humidity = 1;
  if (humidity < 0) humidity = HumidityFloor;
  return humidity;
}

void UpdateWaterZones(SetUp& state) {
  for (int pass = 0; pass < WaterPasses; ++pass) {
    for (int j = state.MixVapors; j >= 0; --j) {
      const double beta = j == 0 ? state.Cart.BetaH2O : state.Cart.BetaH2OHalf;
      const double previous = j == 0 ? state.WaterVolPre : state.WaterVolume[j - 1];
      state.ZoneWaterEq[j] = WaterVolumeDR(state, state.WaterRH[j], beta);
      state.ZoneUptake[j] = WaterUptakeFraction(state, state.ElapsedTime, previous, state.ZoneWaterEq[j]);
      state.ZoneWaterRaw[j] = previous + state.ZoneUptake[j] * (state.ZoneWaterEq[j] - previous);
      state.WaterVolume[j] =
          excludeOrganics(state.ZoneWaterRaw[j], state.ZoneOrgVol[j], state.Cart.MicVol, j);
      if (j > 0) state.BkTime[j] = WtdCalcs::StoichTime(state, j);
      if (j < state.TotalVapors) {
        state.ZoneDWater[j] = (state.WaterVolume[j] - state.WaterVolume[j + 1]) / state.VmWater;
        state.ZoneDOrg[j] =
            WtdCalcs::TotalAdsorbedWet(state, j + 1) - (j == 0 ? 0.0 : WtdCalcs::TotalAdsorbedWet(state, j));
        state.ZoneDPress[j] = state.ZoneSumPress[j + 1] - state.ZoneSumPress[j];
        state.ZoneDRelHum[j] =
            humidityRise(state.ZoneDWater[j], state.ZoneDOrg[j], state.ZoneDPress[j], state.PsatWater, j);
        state.WaterRH[j] = clampedHumidity(state.RelHumid, state.ZoneDRelHum[j]);
      }
    }
  }
}

}  // namespace WaterZones
