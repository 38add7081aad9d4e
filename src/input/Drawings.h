// The pictures of the start-up and About screens: simple drawings made of the forms layer's
// shapes. Sizes are in twips; every drawing fits the size it is given.
#pragma once

#include <vector>

#include "platform/forms/Picture.h"

namespace tess::input {

//! A soft sky-to-ground wash for a screen's background.
std::vector<forms::Shape> backgroundWash(int width, int height);
//! A respirator cartridge in section: a housing, a bed of carbon granules, air flowing in at the
//! bottom and clean air leaving at the top.
std::vector<forms::Shape> cartridgeSection(int width, int height);
//! A single carbon granule with vapor molecules held in its pores.
std::vector<forms::Shape> granuleWithMolecules(int width, int height);
//! Breakthrough curves: outlet concentration rising with time, one curve per vapor.
std::vector<forms::Shape> breakthroughCurves(int width, int height);
//! Three vapors competing for the carbon, drawn as molecules of three colours.
std::vector<forms::Shape> mixtureOfVapors(int width, int height);
//! Water droplets beside the carbon: the humidity the model takes into account.
std::vector<forms::Shape> humidAir(int width, int height);

}  // namespace tess::input
