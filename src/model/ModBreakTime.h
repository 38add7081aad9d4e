// Bed, air and water properties, and the rate equation that turns a vapor's capacity into a
// breakthrough time.
//
// Arithmetic convention of the whole model: 64-bit, with 32-bit stored values widened first,
// every expression evaluated left to right in the order written, and values kept as 32-bit
// rounded to float at the point they are stored. Squares are written x * x and other powers with
// std::pow, so that every build gives the same last bit.
//
// Rate equation (Wheeler-Jonas), for vapor i:
//   t_b = t_stoich - (We rho_bed / (kv Co)) ln(1/F - 1)
// with capacity We [g/g], bulk density rho_bed [g/cm3], rate coefficient kv [1/min], inlet
// concentration Co = p M / (R T 10^6) [g/cm3] and breakthrough fraction F.
// Rate coefficient:
//   kv = 800 beta^0.33 v_L^0.75 d_p^-1.5 sqrt(We / M)                       [1/min]
// and its dependence on F, linear in ln((1 - F)/F) between F = 0.001 and F = 0.5, with the slope s
// the root of a s^2 + b s + c = 0 whose coefficients are linear in kv.
#pragma once

#include <optional>

#include "state/SetUp.h"

namespace tess::model::ModBreakTime {

//! Carbon volume of all cartridges on the respirator, d^2 L pi n / 4 [cm3].
double CalcBedVolume(const SetUp& state);
//! Bulk density of the bed, n W / V_bed, from the stored bed volume [g/cm3].
float CalcBedDensity(const SetUp& state);
//! Linear air velocity through the beds, Q 1000 rho L / (W 60 n), from the stored density [cm/s].
float CalcAirVelocity(const SetUp& state);
//! Saturation pressure of water at TempK, exp(18.3036 - 3816.44 / (T - 46.13)) torr [kPa].
double WaterVaporPressure(const SetUp& state);
//! Molar volume of liquid water, 18.015 / 0.998 [cm3/mol].
double WaterMolarVolume();
//! Partial pressure of vapor i from its concentration and the atmospheric pressure [kPa].
double VaporPartialPressure(const SetUp& state, int i);

//! Mass of vapor i adsorbed per gram of carbon in the mixture, AdsAmount(i) M [g/g].
double MixtureCapacity(const SetUp& state, int i);
//! Rate coefficient kv of vapor i at capacity We [g/g] [1/min].
double RateCoefficient(const SetUp& state, double We, int i);
//! Slope coefficient of kv against ln((1 - F)/F); no value where the quadratic has no real root.
std::optional<double> CalcKvSlope(double kv);
//! kv at breakthrough fraction 0.5, kv / (1 + s ln 999); a slope without value counts as 0 [1/min].
double KvMidpoint(double kv, std::optional<double> slope);
//! kv [1/min] at the breakthrough fraction F, from kv, its slope and its midpoint kvMid [1/min].
double KvForFraction(double kv, std::optional<double> slope, double kvMid, double fraction);
//! ln(1/F - 1) for the breakthrough fraction F of vapor i [-].
double BreakthroughLogOdds(const SetUp& state, int i);
//! Breakthrough time of vapor i [min] for capacity We [g/g], tStoich [min], the product kv Co
//! [g/(cm3 min)] and ln(1/F - 1); 0 when its partial pressure is 0 or the time would be negative.
double BreakthroughTime(const SetUp& state, double We, double tStoich, double kvTimesInlet, double logOdds,
                        int i);

//! Inlet concentration Co of vapor i, p M / (T R 10^6) [g/cm3].
double InletConcentration(const SetUp& state, int i);

}  // namespace tess::model::ModBreakTime
