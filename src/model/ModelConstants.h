// Physical constants and unit conversions of the breakthrough model, each with its unit.
//
// Every value is the literal the results have always been worked out with (for example the circle constant 3.14159
// and 2/sqrt(pi) written as 1.12838); replacing one by a more precise value would change results.
#pragma once

namespace tess::model::ModelConstants {

//! Gas constant R [kJ/(mol K)].
inline constexpr double GasConstant = 0.00831451;
//! Circle constant to five decimals [-].
inline constexpr double CircleConstant = 3.14159;
//! Offset from degrees Celsius to kelvin [K].
inline constexpr double CelsiusToKelvin = 273.15;
//! One standard atmosphere [kPa/atm].
inline constexpr double KPaPerAtm = 101.325;
//! One torr [kPa/torr].
inline constexpr double KPaPerTorr = 0.133322;
//! Parts per million per unit fraction [ppm].
inline constexpr double PartsPerMillion = 1e6;
//! Cubic centimetres per litre [cm3/L], also the factor from kPa L to J (R T 1000 gives kPa L/mol).
inline constexpr double Cm3PerLitre = 1000;
//! Seconds per minute [s/min].
inline constexpr double SecondsPerMinute = 60;

//! Water vapor pressure, Antoine form ln(p / torr) = A - B / (T - C) with T in kelvin.
inline constexpr double WaterAntoineA = 18.3036;  //!< [-]
inline constexpr double WaterAntoineB = 3816.44;  //!< [K]
inline constexpr double WaterAntoineC = 46.13;    //!< [K]
//! Molar mass of water [g/mol].
inline constexpr double WaterMolarMass = 18.015;
//! Density of liquid water [g/cm3].
inline constexpr double WaterLiquidDensity = 0.998;

//! Affinity coefficient from molecular polarizability: beta = 0.0862 * Pe^0.75 [-].
inline constexpr double AffinityFactor = 0.0862;
inline constexpr double AffinityExponent = 0.75;

}  // namespace tess::model::ModelConstants
