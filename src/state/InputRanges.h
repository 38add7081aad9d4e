// The ranges that a typed use condition and a vapor concentration must lie in, both ends included,
// with the ends and the unit as the messages write them. The use-conditions and results screens
// check their boxes against them, the vapor screen its concentration box, and the calculation names
// them when it refuses a value.
#pragma once

#include <string>

namespace tess {

//! One quantity's range of typed values.
struct InputRange {
  double Min;           //!< Lowest value [Unit].
  double Max;           //!< Highest value [Unit].
  const char* MinText;  //!< Min as the messages write it.
  const char* MaxText;  //!< Max as the messages write it, such as "100,000".
  const char* Unit;     //!< The unit as the messages write it.
  const char* What;     //!< What to enter, as a request names it, such as "a temperature".
};

inline constexpr InputRange TemperatureRange{0, 75, "0", "75", "degrees C", "a temperature"};
inline constexpr InputRange AtmPressureRange{0.5, 1.5, "0.5", "1.5", "atm", "a pressure"};
//! The humidity as typed, in percent; the shared state keeps RelHumid as a fraction.
inline constexpr InputRange RelHumidRange{1, 99, "1", "99", "%", "a humidity"};
inline constexpr InputRange NumCartsRange{1, 10, "1", "10", "cartridges", "a number of cartridges"};
inline constexpr InputRange BreathingAirFlowRange{10, 500, "10", "500", "L/min", "a flow"};
//! The average vapor concentration of a vapor slot.
inline constexpr InputRange VapConcRange{0.01, 100000, "0.01", "100,000", "ppm", "a concentration"};

//! What to enter, with the range and its unit: "a temperature from 0 to 75 degrees C".
std::string rangeRequest(const InputRange& range);

}  // namespace tess
