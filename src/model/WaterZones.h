// Water taken up by the carbon, zone by zone.
//
// Equilibrium water volume (Dubinin-Radushkevich for water, x the relative humidity):
//   W_eq = W0 exp(-A^2),  A = (T R / (beta_w E0)) ln(1 / (x + 0.0001))          [cm3/g]
// Approach to equilibrium after time t (Celsius temperature theta, face velocity u, depth L):
//   f = 1 - exp(-0.00005 theta u (t / L) / sqrt(|W_eq - W_prev|))
// Organic exclusion of water W by the organic volume O in micropore volume M:
//   W' = W (1 - O/M) / (1 - (W/M)(O/M))
// Humidity roll-up of zone j against zone j + 1:
//   RH_j = RH + ((W_j - W_j+1) / V_water) / (n_j+1 - n_j) (p_j+1 - p_j) / p_sat,water
#pragma once

#include <cmath>

#include "state/SetUp.h"

namespace tess::model::WaterZones {

//! Sweeps over the zones per time step.
inline constexpr int WaterPasses = 10;
//! A rolled-up humidity below 0 is replaced by this [fraction].
inline constexpr double HumidityFloor = 0.0001;
//! Rate constant of the uptake law, as fitted [cm^1.5 g^-0.5 s / (degrees C min)].
inline constexpr double UptakeConstant = 0.00005;

//! Equilibrium water volume at relative humidity x [fraction] for affinity coefficient beta [-]
//! [cm3/g].
double WaterVolumeDR(const SetUp& state, double x, double beta);
//! Fraction of the way from Wprev to Weq [cm3/g] that a zone has gone after t [min]; 1 when the
//! two are equal.
double WaterUptakeFraction(const SetUp& state, double t, double Wprev, double Weq);

// The pieces of a zone's water step; ZoneStepper assembles them.

//! -0.00005 theta u, the factor of the uptake law's exponent that is the same at every step
//! [cm^2.5 g^-0.5 / min].
double uptakeRate(const SetUp& state);
//! uptakeRate times t / L at time t [min], the factor of the exponent at that time
//! [cm^1.5 g^-0.5].
double uptakeStepFactor(const SetUp& state, double rate, double t);
//! Exponent a of the uptake law for a water gap |Weq - Wprev| > 0 [cm3/g], from uptakeStepFactor
//! [-].
inline double uptakeExponent(double stepFactor, double gap) { return stepFactor / std::sqrt(gap); }
//! 1 - exp(a): the uptake fraction for exponent a [-].
inline double uptakeFromExponent(double exponent) { return 1 - std::exp(exponent); }
//! Stops the calculation: water and organics together exactly fill the micropores of the zone.
[[noreturn]] void stopAtFullMicropores(int zone);
//! Stops the calculation: equal organic amounts in the zone and the next leave the roll-up
//! without a value.
[[noreturn]] void stopAtEqualOrganics(int zone);

//! Water volume after the organic exclusion [cm3/g] (water and organicVolume [cm3/g], micropore
//! volume [cm3/g]); stops when the denominator is 0.
inline double excludeOrganics(double water, double organicVolume, float micropore, int zone) {
  const double organicShare = organicVolume / micropore;
  const double denominator = 1 - (water / micropore) * organicShare;
  if (denominator == 0) stopAtFullMicropores(zone);
  return water * (1 - organicShare) / denominator;
}
//! Humidity of zone j after the roll-up term, clamped to at most 1 and, below 0, to 0.0001
//! [fraction].
inline double clampedHumidity(float relHumid, double rise) {
  double humidity = relHumid + rise;
  if (humidity > 1) humidity = 1;
  if (humidity < 0) humidity = HumidityFloor;
  return humidity;
}
//! Roll-up term of the humidity [fraction] from the water [mol/g], organic [mol/g] and pressure
//! [kPa] differences; stops when the organic difference is 0.
inline double humidityRise(double waterDifference, double organicDifference, double pressureDifference,
                           double psatWater, int zone) {
  if (organicDifference == 0) stopAtEqualOrganics(zone);
  return (waterDifference / organicDifference) * pressureDifference / psatWater;
}

}  // namespace tess::model::WaterZones
