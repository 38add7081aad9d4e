#include "model/WaterZones.h"

#include <cmath>
#include <string>

#include "model/ModelBounds.h"
#include "model/ModelConstants.h"

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

double uptakeRate(const SetUp& state) {
  const double rate = -UptakeConstant * state.Temperature;
  return rate * state.SuperficialVel;
}

double uptakeStepFactor(const SetUp& state, double rate, double t) { return rate * (t / state.Cart.Bed_Depth); }

double WaterUptakeFraction(const SetUp& state, double t, double Wprev, double Weq) {
  const double gap = std::fabs(Weq - Wprev);
  if (!(gap > 0)) return 1;
  return uptakeFromExponent(uptakeExponent(uptakeStepFactor(state, uptakeRate(state), t), gap));
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

}  // namespace WaterZones
