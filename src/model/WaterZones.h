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

#include "state/SetUp.h"

namespace WaterZones {

//! Number of sweeps over the zones per time step.
inline constexpr int WaterPasses = 10;
//! Rate constant of the uptake law [cm^1.5 g^-0.5 per (degrees C * cm/s)], as fitted.
inline constexpr double UptakeConstant = 0.00005;

//! Brings the water of zones MixVapors down to 0 up to ElapsedTime and seeds BkTime(1..MixVapors)
//! with the stoichiometric times under the new water. Throws ModelStop where a zone's organic
//! difference or its exclusion denominator is 0.
void UpdateWaterZones(SetUp& state);
//! Equilibrium water volume at relative humidity x [fraction] for affinity coefficient beta
//! [cm3/g].
double WaterVolumeDR(const SetUp& state, double x, double beta);
//! Fraction of the way from Wprev to Weq [cm3/g] that a zone has gone after t [min]; 1 when the
//! two are equal.
double WaterUptakeFraction(const SetUp& state, double t, double Wprev, double Weq);

// Pieces shared with the cached evaluation of the time steps.

//! Exponent a of the uptake law for a water gap |Weq - Wprev| > 0 [cm3/g] at time t [min].
double uptakeExponent(const SetUp& state, double t, double gap);
//! Water volume after the organic exclusion; throws ModelStop when the denominator is 0.
double excludeOrganics(double water, double organicVolume, float micropore, int zone);
//! Humidity of zone j after the roll-up term, clamped as the model clamps it [fraction].
double clampedHumidity(float relHumid, double rise);
//! Roll-up term of the humidity; throws ModelStop when the organic difference is 0 [fraction].
double humidityRise(double waterDifference, double organicDifference, double pressureDifference,
                    double psatWater, int zone);

}  // namespace WaterZones
