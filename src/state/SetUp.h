// The shared state of a run: use conditions, the cartridge in use, the five vapor slots, the
// counters, and every quantity that the calculation derives and the breakthrough model works on.
//
// One object of type SetUp lives as long as the program; the application owns it and passes it by
// reference to the screens and the model (tests create their own). Field names are the names the
// rest of the system uses. 32-bit values are float, 64-bit values double, 16-bit counters
// std::int16_t. Per-vapor and per-zone tables are indexed 0 to MaxVapors; vapor slot 0 is never
// used and zone 0 holds no vapor. At start every number is 0 and every text is empty.
//
// In a GoogleTest body write tess::SetUp: the test class's own member SetUp() hides the type name.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tess {

//! Number of vapor slots; per-vapor tables are indexed 0 to MaxVapors with slot 0 unused.
inline constexpr int MaxVapors = 5;

//! Text that an empty vapor slot or an empty cartridge name shows.
inline constexpr std::string_view NoneSelected = "None Selected";

//! True when name is exactly "None Selected" (case and blanks count); used by the results display.
bool isNoneSelectedExact(std::string_view name);

//! True when name, trimmed of leading and trailing blanks and upper-cased, reads "NONE SELECTED";
//! used by the data-input screen and the database screens' Return buttons.
bool isNoneSelectedTrimmed(std::string_view name);

//! A per-vapor table of 64-bit values, index 0 to MaxVapors.
using VaporTable = std::array<double, MaxVapors + 1>;
//! A per-zone table of 64-bit values, index 0 to MaxVapors; zone j holds vapors 1 to j.
using ZoneTable = std::array<double, MaxVapors + 1>;

//! The cartridge in use.
struct CartridgeData {
  std::string CartName;   //!< Cartridge name.
  float BedDiam = 0;      //!< Bed diameter [cm].
  float Bed_Depth = 0;    //!< Bed depth [cm].
  float CarbWgt = 0;      //!< Carbon weight of one cartridge [g].
  float MicVol = 0;       //!< Micropore volume W0 [cm3/g].
  float RelHumPre = 0;    //!< Preconditioning relative humidity [fraction].
  float DiamGran = 0;     //!< Average carbon granule diameter [cm].
  float APBenzene = 0;    //!< Adsorption potential of benzene E0 [kJ/mol].
  float BetaH2O = 0;      //!< Affinity coefficient of water used by the model [-].
  float BetaH2OHalf = 0;  //!< BetaH2O / 2 [-].
  float BedVolume = 0;    //!< Carbon bed volume of all cartridges on the respirator [cm3].
  float BedDensity = 0;   //!< Bulk density of the bed [g/cm3].
};

//! One vapor slot. The first ten fields are entered; Beta, MolarVol and Psat are derived by every
//! calculation.
struct VaporData {
  std::string ChemName;  //!< Vapor name; empty until first stored.
  float MolWt = 0;       //!< Molecular weight [g/mol].
  float LiqDensity = 0;  //!< Liquid density [g/cm3].
  float MolPol = 0;      //!< Molecular (molar) polarizability [cm3/mol].
  float WaterSol = 0;    //!< Water solubility factor [0 to 1].
  float AvgVapConc = 0;  //!< Average concentration in the air [ppm].
  float AntoineA = 0;    //!< Antoine constant A (ln of pressure in torr, temperature in K) [-].
  float AntoineB = 0;    //!< Antoine constant B [K].
  float AntoineC = 0;    //!< Antoine constant C [K].
  std::string CAS;       //!< CAS number as entered.
  double Beta = 0;       //!< Affinity coefficient, 0.0862 * MolPol^0.75 [-].
  float MolarVol = 0;    //!< Liquid molar volume, MolWt / LiqDensity [cm3/mol].
  double Psat = 0;       //!< Saturation vapor pressure at TempK [kPa].
};

//! The whole state of a run.
struct SetUp {
  // Use conditions.
  float Temperature = 0;       //!< Air temperature [degrees C].
  float TempK = 0;             //!< Temperature + 273.15, set at each calculation [K].
  float AtmPressure = 0;       //!< Atmospheric pressure [atm].
  float RelHumid = 0;          //!< Relative humidity of the air in use [fraction].
  float BreathingAirFlow = 0;  //!< Breathing air flow through the respirator [L/min].
  std::int16_t NumCarts = 0;   //!< Cartridges on one respirator [count].

  CartridgeData Cart;                          //!< The cartridge in use.
  std::array<VaporData, MaxVapors + 1> Vapor;  //!< Vapor slots; 1 to MaxVapors used.

  // Counters.
  std::int16_t TotalVapors = 0;  //!< Vapor slots opened on the data-input screen (0 to 5).
  std::int16_t MixVapors = 0;    //!< Working count of vapors in the mixture model.

  // Scalars derived by the calculation for the model.
  float LinVelocity = 0;      //!< Air velocity from flow, bed density, depth and weight [cm/s].
  double SuperficialVel = 0;  //!< Air velocity through the bed face from flow and diameter [cm/s].
  double PsatWater = 0;       //!< Saturation pressure of water at TempK [kPa].
  double VmWater = 0;         //!< Molar volume of liquid water [cm3/mol].
  double WaterVolPre = 0;     //!< Water volume adsorbed at the preconditioning humidity [cm3/g].

  // Per-vapor tables, slot numbers those of Vapor.
  VaporTable PartialP{};       //!< Partial pressure [kPa].
  VaporTable BkConc{};         //!< Breakthrough concentration [ppm].
  VaporTable BkFrac{};         //!< Breakthrough fraction, BkConc / AvgVapConc [-].
  VaporTable BkTime{};         //!< Current breakthrough-time estimate [min].
  VaporTable FinalBkTime{};    //!< Breakthrough time fixed when the vapor's zone ends [min].
  VaporTable BkTimeMin{};      //!< Low end of the breakthrough-time range [min].
  VaporTable BkTimeMax{};      //!< High end of the breakthrough-time range [min].
  VaporTable AdsMoleFrac{};    //!< Adsorbed-phase mole fraction [-].
  VaporTable AdsAmount{};      //!< Adsorbed amount at the last saved state [mol/g].
  VaporTable SavedPartialP{};  //!< Partial pressure at the last saved state [kPa].
  VaporTable RedPotential{};   //!< Reduced adsorption potential of the mixture equilibrium [-].
  VaporTable ErfSeries{};      //!< Series value computed from RedPotential [-].
  VaporTable SpreadPress{};    //!< Reduced spreading pressure, Beta (1 - ErfSeries) / MolarVol [mol/cm3].
  VaporTable SortKey{};        //!< Sort key of the vapor ordering; 1000000 marks a free slot [-].

  // Per-zone tables.
  ZoneTable WaterVolume{};   //!< Adsorbed water volume of the zone [cm3/g].
  ZoneTable WaterRH{};       //!< Relative humidity of the zone [fraction].
  ZoneTable ZoneSumPress{};  //!< Total organic partial pressure of the zone [kPa].
  ZoneTable ZoneOrgVol{};    //!< Organic volume adsorbed in the zone [cm3/g].
  ZoneTable ZoneWaterEq{};   //!< Equilibrium water volume of the zone [cm3/g].
  ZoneTable ZoneUptake{};    //!< Approach of the zone to its water equilibrium [fraction].
  ZoneTable ZoneWaterRaw{};  //!< Zone water volume before the organic exclusion [cm3/g].
  ZoneTable ZoneDWater{};    //!< Water amount of zone j less that of zone j + 1 [mol/g].
  ZoneTable ZoneDOrg{};      //!< Organic amount of zone j + 1 less that of zone j [mol/g].
  ZoneTable ZoneDPress{};    //!< Organic partial pressure of zone j + 1 less that of zone j [kPa].
  ZoneTable ZoneDRelHum{};   //!< Rise of the zone's relative humidity [fraction].

  // Working scalars of the model.
  double Kv = 0;                  //!< Rate coefficient of the vapor in hand [1/min].
  double KvMid = 0;               //!< Rate coefficient at breakthrough fraction 0.5 [1/min].
  std::optional<double> KvSlope;  //!< Slope coefficient of the rate coefficient; may hold no value [-].
  double KvAdj = 0;               //!< Rate coefficient at the vapor's own breakthrough fraction [1/min].
  double FracSum = 0;             //!< Sum of the adsorbed mole fractions [-].
  double LastPartialP = 0;        //!< Saved partial pressure of vapor MixVapors [kPa].
  double LastAdsAmount = 0;       //!< Saved adsorbed amount of vapor MixVapors [mol/g].
  double ElapsedTime = 0;         //!< Time of the current zone's time stepping [min].
};

//! The breakthrough fraction [-] of a breakthrough concentration bkConc and a vapor concentration
//! avgVapConc [ppm]: bkConc / avgVapConc in 64-bit. Every BkFrac is worked out by it.
inline double breakthroughFraction(double bkConc, double avgVapConc) { return bkConc / avgVapConc; }

//! Renews BkFrac of vapor slot slot (1 to MaxVapors) from its BkConc and AvgVapConc, when the
//! vapor concentration is above 0; otherwise BkFrac keeps its value.
void renewBkFrac(SetUp& state, int slot);

}  // namespace tess
