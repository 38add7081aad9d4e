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

namespace WaterZones {

//! Sweeps over the zones per time step.
inline constexpr int WaterPasses = 10;
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
//! Water volume after the organic exclusion [cm3/g]; throws ModelStop when the denominator is 0.
double excludeOrganics(double water, double organicVolume, float micropore, int zone);
//! Humidity of zone j after the roll-up term, clamped to at most 1 and, below 0, to 0.0001
//! [fraction].
double clampedHumidity(float relHumid, double rise);
//! Roll-up term of the humidity; throws ModelStop when the organic difference is 0 [fraction].
double humidityRise(double waterDifference, double organicDifference, double pressureDifference,
                    double psatWater, int zone);

}  // namespace WaterZones
