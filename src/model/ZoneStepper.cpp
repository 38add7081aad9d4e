#include "model/ZoneStepper.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "model/ModBreakTime.h"
#include "model/WaterZones.h"

namespace tess::model {

namespace {

// Below this exponent, exp(a) < 2^-60, far below half a unit in the last place of 1 (2^-54): the
// uptake 1 - exp(a) is 1 and stays 1 for every later (more negative) a, whatever the rounding of
// exp.
constexpr double SettledUptakeExponent = -41.6;

std::uint64_t bits(double value) { return std::bit_cast<std::uint64_t>(value); }

template <std::size_t N>
bool sameBits(const std::array<double, N>& a, const std::array<double, N>& b, int last) {
  return std::memcmp(a.data(), b.data(), sizeof(double) * static_cast<std::size_t>(last + 1)) == 0;
}

}  // namespace

ZoneStepper::ZoneStepper(SetUp& state, bool shortcuts)
    : m_state(state), m_shortcuts(shortcuts), m_n(state.MixVapors), m_total(state.TotalVapors) {
  const SetUp& s = m_state;
  for (int N = 1; N <= m_total; ++N) {
    m_mixture[N] = WtdCalcs::zoneMixture(s, N);
    m_organicVolume[N] = WtdCalcs::organicVolume(s, m_mixture[N]);
  }
  for (int i = 1; i <= m_n; ++i) {
    if (s.PartialP[i] > 0) m_dissolution[i] = WtdCalcs::dissolution(s, i);
    m_rate[i] = IAST::rateCoefficients(s, i);
    m_kvTimesInlet[i] = m_rate[i].adjusted * ModBreakTime::InletConcentration(s, i);
    m_logOdds[i] = ModBreakTime::BreakthroughLogOdds(s, i);
  }
  m_uptakeRate = WaterZones::uptakeRate(s);
}

template <class Evaluate>
double ZoneStepper::remembered(Memo& memo, double argument, Evaluate evaluate) {
  if (!m_shortcuts || !memo.valid || memo.key != bits(argument)) memo = {bits(argument), evaluate(), true};
  return memo.value;
}

bool ZoneStepper::seen(Inputs& inputs, double first, double second) {
  const std::uint64_t a = bits(first), b = bits(second);
  if (m_shortcuts && inputs.valid && inputs.first == a && inputs.second == b) return true;
  inputs = {a, b, true};
  return false;
}

double ZoneStepper::adsorbedWet(int N, double water) {
  return remembered(m_adsorbedWet[N], water, [&] { return WtdCalcs::adsorbedWet(m_state, m_mixture[N], water); });
}

double ZoneStepper::componentAdsorbed(int i, double water, double humidity) {
  SetUp& s = m_state;
  double dissolved = 0;
  if (s.PartialP[i] > 0) {
    const double humidityTerm =
        remembered(m_humidityTerm, humidity, [&] { return WtdCalcs::dissolvedHumidityTerm(s, humidity); });
    const double exponential = remembered(m_dissolvedExponential[i], humidity, [&] {
      return WtdCalcs::dissolvedExponential(m_dissolution[i], humidityTerm);
    });
    dissolved = WtdCalcs::dissolvedVolume(s, i, water, exponential);
  }
  return WtdCalcs::componentAmount(s, i, adsorbedWet(m_n, water), dissolved);
}

double ZoneStepper::stoichTime(int j, double water, double humidity) {
  if (m_state.PartialP[j] <= 0) return 0;
  return WtdCalcs::stoichTimeFromAmount(m_state, j, componentAdsorbed(j, water, humidity));
}

double ZoneStepper::uptake(int j, double previous, double equilibrium) {
  const double gap = std::fabs(equilibrium - previous);
  if (!(gap > 0)) return 1;
  Memo& memo = m_uptakeGap[j];
  if (!m_shortcuts || !memo.valid || memo.key != bits(gap)) {
    const double a = WaterZones::uptakeExponent(m_stepFactor, gap);
    const bool settled = m_uptakeRate == 0 ? a == 0 : (m_uptakeRate < 0 && a < SettledUptakeExponent);
    memo = {bits(gap), WaterZones::uptakeFromExponent(a), true, settled};
  }
  if (!memo.settled) m_uptakeSettled = false;
  return memo.value;
}

// Zone j's water from the water of the zone before it and its own humidity.
void ZoneStepper::zoneWater(int j) {
  SetUp& s = m_state;
  const double previous = j == 0 ? s.WaterVolPre : s.WaterVolume[j - 1];
  if (seen(m_waterInputs[j], previous, s.WaterRH[j])) return;
  const double beta = j == 0 ? s.Cart.BetaH2O : s.Cart.BetaH2OHalf;
  s.ZoneWaterEq[j] = remembered(m_equilibriumWater[j], s.WaterRH[j],
                                [&] { return WaterZones::WaterVolumeDR(s, s.WaterRH[j], beta); });
  s.ZoneUptake[j] = uptake(j, previous, s.ZoneWaterEq[j]);
  s.ZoneWaterRaw[j] = previous + s.ZoneUptake[j] * (s.ZoneWaterEq[j] - previous);
  s.WaterVolume[j] = WaterZones::excludeOrganics(s.ZoneWaterRaw[j], s.ZoneOrgVol[j], s.Cart.MicVol, j);
}

// Zone j's humidity from its water and that of the zone after it (j below TotalVapors).
void ZoneStepper::zoneHumidity(int j) {
  SetUp& s = m_state;
  if (seen(m_humidityInputs[j], s.WaterVolume[j], s.WaterVolume[j + 1])) return;
  s.ZoneDWater[j] = (s.WaterVolume[j] - s.WaterVolume[j + 1]) / s.VmWater;
  s.ZoneDOrg[j] = adsorbedWet(j + 1, s.WaterVolume[j + 1]) - (j == 0 ? 0.0 : adsorbedWet(j, s.WaterVolume[j]));
  s.ZoneDPress[j] = s.ZoneSumPress[j + 1] - s.ZoneSumPress[j];
  s.ZoneDRelHum[j] = WaterZones::humidityRise(s.ZoneDWater[j], s.ZoneDOrg[j], s.ZoneDPress[j], s.PsatWater, j);
  s.WaterRH[j] = WaterZones::clampedHumidity(s.RelHumid, s.ZoneDRelHum[j]);
}

void ZoneStepper::waterPass() {
  SetUp& s = m_state;
  for (int j = m_n; j >= 0; --j) {
    zoneWater(j);
    if (j > 0) {
      // The stoichiometric time depends on the water and humidity of zone MixVapors alone.
      if (m_shortcuts) {
        m_stoich[j] = {s.WaterVolume[m_n], s.WaterRH[m_n], true};
      } else {
        s.BkTime[j] = stoichTime(j, s.WaterVolume[m_n], s.WaterRH[m_n]);
      }
    }
    if (j < m_total) zoneHumidity(j);
  }
}

void ZoneStepper::writeStoichTimes() {
  for (int j = 1; j <= m_n; ++j) {
    StoichArguments& due = m_stoich[j];
    if (due.pending) m_state.BkTime[j] = stoichTime(j, due.water, due.humidity);
    due.pending = false;
  }
}

bool ZoneStepper::quietStep() {
  // The state is the one the last step started from, so every other value of this step's first
  // pass is what that step wrote; only the uptake moves with the time.
  SetUp& s = m_state;
  std::array<double, MaxVapors + 1> uptakes{};
  std::array<double, MaxVapors + 1> raw{};
  for (int j = m_n; j >= 0; --j) {
    const double previous = j == 0 ? s.WaterVolPre : s.WaterVolume[j - 1];
    uptakes[j] = uptake(j, previous, s.ZoneWaterEq[j]);
    raw[j] = previous + uptakes[j] * (s.ZoneWaterEq[j] - previous);
    const double water = WaterZones::excludeOrganics(raw[j], s.ZoneOrgVol[j], s.Cart.MicVol, j);
    if (bits(water) != bits(s.WaterVolume[j])) return false;
  }
  for (int j = m_n; j >= 0; --j) {
    s.ZoneUptake[j] = uptakes[j];
    s.ZoneWaterRaw[j] = raw[j];
  }
  return true;
}

void ZoneStepper::updateWaterZones() {
  SetUp& s = m_state;
  try {
    for (int pass = 0; pass < WaterZones::WaterPasses; ++pass) {
      const ZoneTable water = s.WaterVolume;
      const ZoneTable humidity = s.WaterRH;
      waterPass();
      // A pass depends only on the zones' water and humidity (and on what is fixed for the
      // step): when it leaves them as they were, every further pass repeats it exactly.
      if (m_shortcuts && sameBits(water, s.WaterVolume, m_total) && sameBits(humidity, s.WaterRH, m_total))
        break;
    }
  } catch (const ModelStop&) {
    // A stop leaves the times that the passes up to it wrote.
    writeStoichTimes();
    throw;
  }
  writeStoichTimes();
}

void ZoneStepper::saveZoneState() {
  SetUp& s = m_state;
  for (int i = 1; i <= m_n; ++i) {
    s.AdsAmount[i] = componentAdsorbed(i, s.WaterVolume[m_n], s.WaterRH[m_n]);
    s.SavedPartialP[i] = s.PartialP[i];
    s.ZoneOrgVol[i] = m_organicVolume[i];
  }
  s.LastAdsAmount = s.AdsAmount[m_n];
  s.LastPartialP = s.SavedPartialP[m_n];
}

void ZoneStepper::updateBreakTimes() {
  SetUp& s = m_state;
  for (int i = 1; i <= m_n; ++i) {
    const double tStoich = s.BkTime[i];
    const double t = ModBreakTime::BreakthroughTime(s, ModBreakTime::MixtureCapacity(s, i), tStoich,
                                                    m_kvTimesInlet[i], m_logOdds[i], i);
    IAST::setBreakTimeAndRange(s, i, tStoich, t);
  }
  // The shared rate coefficients are those of the last vapor in play.
  if (m_n >= 1) IAST::storeRateCoefficients(s, m_rate[m_n]);
}

bool ZoneStepper::step() {
  SetUp& s = m_state;
  const ZoneTable water = s.WaterVolume;
  const ZoneTable humidity = s.WaterRH;
  const ZoneTable organics = s.ZoneOrgVol;
  s.ElapsedTime = IAST::afterTimeStep(s.ElapsedTime);
  m_stepFactor = WaterZones::uptakeStepFactor(s, m_uptakeRate, s.ElapsedTime);
  for (Memo& memo : m_uptakeGap) memo.valid = false;
  for (Inputs& inputs : m_waterInputs) inputs.valid = false;
  m_uptakeSettled = true;
  if (m_shortcuts && m_lastStepKeptState && quietStep()) return m_uptakeSettled;
  m_uptakeSettled = true;
  updateWaterZones();
  saveZoneState();
  updateBreakTimes();
  // A step depends on the zones' water, humidity and organic volume and, through the uptake, on
  // the time: with the first three unchanged and the uptake settled, every later step repeats it.
  m_lastStepKeptState = sameBits(water, s.WaterVolume, m_total) && sameBits(humidity, s.WaterRH, m_total) &&
                        sameBits(organics, s.ZoneOrgVol, m_total);
  return m_shortcuts && m_uptakeSettled && m_lastStepKeptState;
}

}  // namespace tess::model
