#include "model/WaterZones.h"

#include <cmath>
#include <string>

#include "model/ModelBounds.h"
#include "model/ModelConstants.h"

namespace tess::model::WaterZones {

namespace {
using ModelConstants::GasConstant;
// Keeps ln(1 / x) finite at a humidity of 0 [fraction].
constexpr double HumidityOffset = 0.0001;
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

void stopAtFullMicropores(int zone) {
  throw ModelStop(StopReason::WaterExclusionSingular, 0,
                  "organic exclusion of the water in zone " + std::to_string(zone));
}

void stopAtEqualOrganics(int zone) {
  throw ModelStop(StopReason::ZeroOrganicDifference, 0, "humidity roll-up of zone " + std::to_string(zone));
}

}  // namespace tess::model::WaterZones
