#include "model/ZoneStepper.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "model/IAST.h"
#include "model/ModBreakTime.h"
#include "model/WaterZones.h"
#include "model/WtdCalcs.h"

namespace IAST {

namespace {

// Below this, 1 - exp(a) is 1 and stays 1 for every later (more negative) a, with a wide margin
// over the rounding of exp.
constexpr double SettledUptakeResidue = 0x1p-60;

std::uint64_t bits(double value) { return std::bit_cast<std::uint64_t>(value); }

template <std::size_t N>
bool sameBits(const std::array<double, N>& a, const std::array<double, N>& b, int last) {
  return std::memcmp(a.data(), b.data(), sizeof(double) * static_cast<std::size_t>(last + 1)) == 0;
}

}  // namespace

ZoneStepper::ZoneStepper(SetUp& state) : m_state(state), m_n(state.MixVapors), m_total(state.TotalVapors) {
  SetUp& s = m_state;
  for (int N = 1; N <= m_total; ++N) {
    m_molarVolume[N] = WtdCalcs::WtdMolarVolume(s, N);
    m_exponential[N] = WtdCalcs::capacityExponential(WtdCalcs::WtdAdsPotential(s, N),
                                                     WtdCalcs::WtdAffinity(s, N), s.Cart.APBenzene);
    m_organicVolume[N] = WtdCalcs::TotalAdsorbedDry(s, N) * WtdCalcs::WtdMolarVolume(s, N);
  }
  // Working out the rate coefficients writes Kv, KvSlope, KvMid and KvAdj; the first step writes
  // them again, but a stop before that must find them as the full evaluation leaves them.
  const double kv = s.Kv, kvMid = s.KvMid, kvAdj = s.KvAdj;
  const std::optional<double> kvSlope = s.KvSlope;
  for (int i = 1; i <= m_n; ++i) {
    if (s.PartialP[i] > 0) {
      m_pressureTerm[i] = WtdCalcs::dissolvedPressureTerm(s, i);
      m_dissolvedFactor[i] = WtdCalcs::dissolvedFactor(s, i);
    }
    setRateCoefficients(s, i);
    m_kv[i] = s.Kv;
    m_kvSlope[i] = s.KvSlope;
    m_kvMid[i] = s.KvMid;
    m_kvAdj[i] = s.KvAdj;
    m_kvTimesInlet[i] = s.KvAdj * ModBreakTime::InletConcentration(s, i);
    m_logOdds[i] = std::log(1 / s.BkFrac[i] - 1);
  }
  s.Kv = kv;
  s.KvSlope = kvSlope;
  s.KvMid = kvMid;
  s.KvAdj = kvAdj;
  m_rateFactor = -WaterZones::UptakeConstant * s.Temperature;
  m_rateFactor = m_rateFactor * s.SuperficialVel;
}

double ZoneStepper::totalAdsorbedWet(int N) const {
  return ((m_state.Cart.MicVol - m_state.WaterVolume[N]) / m_molarVolume[N]) * m_exponential[N];
}

double ZoneStepper::componentAdsorbed(int i) {
  SetUp& s = m_state;
  double dissolved = 0;
  if (s.PartialP[i] > 0) {
    const double humidity = s.WaterRH[m_n];
    if (!m_humidityTerm.valid || m_humidityTerm.key != bits(humidity)) {
      m_humidityTerm = {bits(humidity), WtdCalcs::dissolvedHumidityTerm(s), true};
    }
    Memo& memo = m_dissolvedExponential[i];
    if (!memo.valid || memo.key != bits(humidity)) {
      const double ds = m_dissolvedFactor[i] * (m_pressureTerm[i] + m_humidityTerm.value);
      memo = {bits(humidity), std::exp(-(ds * ds)), true};
    }
    dissolved = (s.WaterVolume[m_n] * memo.value) * s.Vapor[i].WaterSol;
  }
  return s.AdsMoleFrac[i] * totalAdsorbedWet(m_n) + dissolved / s.Vapor[i].MolarVol;
}

double ZoneStepper::stoichTime(int j) {
  if (m_state.PartialP[j] <= 0) return 0;
  return WtdCalcs::stoichTimeFromAmount(m_state, j, componentAdsorbed(j));
}

double ZoneStepper::equilibriumWater(int j, double beta) {
  Memo& memo = m_equilibriumWater[j];
  const double humidity = m_state.WaterRH[j];
  if (!memo.valid || memo.key != bits(humidity)) {
    memo = {bits(humidity), WaterZones::WaterVolumeDR(m_state, humidity, beta), true};
  }
  return memo.value;
}

double ZoneStepper::uptake(int j, double previous, double equilibrium) {
  const double gap = std::fabs(equilibrium - previous);
  if (!(gap > 0)) return 1;
  Memo& memo = m_uptakeGap[j];
  if (!memo.valid || memo.key != bits(gap)) {
    // As WaterZones::uptakeExponent, with the time-independent factor formed once.
    const double a = m_stepFactor / std::sqrt(gap);
    const double residue = std::exp(a);
    const bool settled = m_rateFactor == 0 ? a == 0 : (m_rateFactor < 0 && residue < SettledUptakeResidue);
    memo = {bits(gap), 1 - residue, true, settled};
  }
  if (!memo.settled) m_uptakeSettled = false;
  return memo.value;
}

void ZoneStepper::waterPass() {
  SetUp& s = m_state;
  for (int j = m_n; j >= 0; --j) {
    const double beta = j == 0 ? s.Cart.BetaH2O : s.Cart.BetaH2OHalf;
    const double previous = j == 0 ? s.WaterVolPre : s.WaterVolume[j - 1];
    s.ZoneWaterEq[j] = equilibriumWater(j, beta);
    s.ZoneUptake[j] = uptake(j, previous, s.ZoneWaterEq[j]);
    s.ZoneWaterRaw[j] = previous + s.ZoneUptake[j] * (s.ZoneWaterEq[j] - previous);
    s.WaterVolume[j] = WaterZones::excludeOrganics(s.ZoneWaterRaw[j], s.ZoneOrgVol[j], s.Cart.MicVol, j);
    if (j > 0) s.BkTime[j] = stoichTime(j);
    if (j < m_total) {
      s.ZoneDWater[j] = (s.WaterVolume[j] - s.WaterVolume[j + 1]) / s.VmWater;
      s.ZoneDOrg[j] = totalAdsorbedWet(j + 1) - (j == 0 ? 0.0 : totalAdsorbedWet(j));
      s.ZoneDPress[j] = s.ZoneSumPress[j + 1] - s.ZoneSumPress[j];
      s.ZoneDRelHum[j] =
          WaterZones::humidityRise(s.ZoneDWater[j], s.ZoneDOrg[j], s.ZoneDPress[j], s.PsatWater, j);
      s.WaterRH[j] = WaterZones::clampedHumidity(s.RelHumid, s.ZoneDRelHum[j]);
    }
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
  for (int pass = 0; pass < WaterZones::WaterPasses; ++pass) {
    const ZoneTable water = s.WaterVolume;
    const ZoneTable humidity = s.WaterRH;
    waterPass();
    // A pass depends only on the zones' water and humidity (and on what is fixed for the step):
    // when it leaves them as they were, every further pass repeats it exactly.
    if (sameBits(water, s.WaterVolume, m_total) && sameBits(humidity, s.WaterRH, m_total)) break;
  }
}

void ZoneStepper::saveZoneState() {
  SetUp& s = m_state;
  for (int i = 1; i <= m_n; ++i) {
    s.AdsAmount[i] = componentAdsorbed(i);
    s.SavedPartialP[i] = s.PartialP[i];
    s.ZoneOrgVol[i] = m_organicVolume[i];
  }
  s.LastAdsAmount = s.AdsAmount[m_n];
  s.LastPartialP = s.SavedPartialP[m_n];
}

void ZoneStepper::updateBreakTimes() {
  SetUp& s = m_state;
  for (int i = 1; i <= m_n; ++i) {
    const double mixtureCapacity = ModBreakTime::MixtureCapacity(s, i);
    s.Kv = m_kv[i];
    s.KvSlope = m_kvSlope[i];
    s.KvMid = m_kvMid[i];
    s.KvAdj = m_kvAdj[i];
    const double tStoich = s.BkTime[i];
    // As ModBreakTime::BreakthroughTime, with kv Co and the logarithm formed once.
    double t = 0;
    if (s.PartialP[i] > 0)
      t = tStoich - (mixtureCapacity * s.Cart.BedDensity / m_kvTimesInlet[i]) * m_logOdds[i];
    if (t < 0) t = 0;
    setBreakTimeAndRange(s, i, tStoich, t);
  }
}

bool ZoneStepper::step() {
  SetUp& s = m_state;
  const ZoneTable water = s.WaterVolume;
  const ZoneTable humidity = s.WaterRH;
  const ZoneTable organics = s.ZoneOrgVol;
  m_uptakeSettled = true;
  s.ElapsedTime = s.ElapsedTime + IAST::TimeStep;
  m_stepFactor = m_rateFactor * (s.ElapsedTime / s.Cart.Bed_Depth);
  for (Memo& memo : m_uptakeGap) memo.valid = false;
  if (m_lastStepKeptState && quietStep()) return m_uptakeSettled;
  m_uptakeSettled = true;
  updateWaterZones();
  saveZoneState();
  updateBreakTimes();
  // A step depends on the zones' water, humidity and organic volume and, through the uptake, on
  // the time: with the first three unchanged and the uptake settled, every later step repeats it.
  m_lastStepKeptState = sameBits(water, s.WaterVolume, m_total) && sameBits(humidity, s.WaterRH, m_total) &&
                        sameBits(organics, s.ZoneOrgVol, m_total);
  return m_uptakeSettled && m_lastStepKeptState;
}

}  // namespace IAST
