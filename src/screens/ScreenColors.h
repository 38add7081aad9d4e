// Colours shared by the screens. Each input button of the data-input screen shares its light
// colour with its current-value label and with the screen it opens (cartridge, vapor and
// use-conditions screens); the results screen repeats them for the values it shows again.
#pragma once

#include "platform/forms/Appearance.h"

namespace tess::screens {

inline constexpr forms::Color LightGreen{192, 255, 192};   //!< the cartridge
inline constexpr forms::Color LightBlue{192, 192, 255};    //!< the vapors
inline constexpr forms::Color LightRed{255, 192, 192};     //!< the use conditions
inline constexpr forms::Color LightOrange{255, 192, 128};  //!< "Continue" to the results
inline constexpr forms::Color Green{0, 255, 0};            //!< go on, or go back
inline constexpr forms::Color Red{255, 0, 0};              //!< ends the program
//! The standard window colour, given explicitly where a box must blend into its window.
inline constexpr forms::Color WindowGray{240, 240, 240};

}  // namespace tess::screens
