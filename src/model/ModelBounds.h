// Bounds that keep the model's loops finite, and the reasons a calculation can stop short.
//
// The model's loops end on conditions that some inputs never meet. Each bound below is chosen so
// that it is reached only by a loop that would otherwise not end, or that has left the range in
// which its result means anything; a calculation that stays inside every bound gives exactly the
// result it would give without them. A bound that is reached stops the calculation with a
// ModelStop, which the calculation run turns into a status for the results screen.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tess::model {

namespace ModelBounds {

//! Grid steps of one fraction march (SolveAdsFraction): a backstop only, reached by no march that
//! ends at a fraction of 1. Without renormalisation a march ends after about 10,000 steps, at the
//! last grid point below 1; in a two-vapor mixture, where both fractions are renormalised at every
//! step, the fraction approaches 1 and becomes exactly 1 in floating point when the reference's
//! share falls below half a unit in the last place of 1, after at most about 375,000 steps.
inline constexpr int MaxMarchSteps = 1000000;

//! Passes of one equilibrium solve (SolveIAST). A pass depends only on the reference vapor's
//! fraction at its start, so a start value met before means that the passes have settled into a
//! cycle, and the solve returns there. This count is a backstop for sequences that neither close
//! nor repeat; settling solves need far fewer passes.
inline constexpr int MaxSolvePasses = 20000;

//! Time steps of 0.1 min in one zone: 10,000,000 min, about 19 years of continuous use, far
//! beyond any service life of a cartridge.
inline constexpr std::int64_t MaxZoneTimeSteps = 100000000;

}  // namespace ModelBounds

//! Why a calculation stopped short.
enum class StopReason {
  None,
  InvalidInput,            //!< An input makes a step undefined (zero divisor, value not a number).
  MarchLimit,              //!< A fraction march passed its grid-step bound.
  ZeroPartialPressure,     //!< A vapor in play has a partial pressure of 0 before an equilibrium solve.
  ZeroSavedAmount,         //!< The vapor that broke through has no saved adsorbed amount.
  ZeroOrganicDifference,   //!< Two neighbouring zones hold the same organic amount.
  WaterExclusionSingular,  //!< The organic exclusion of a zone's water divides by 0.
  TimeStepLimit,           //!< A zone's time stepping passed MaxZoneTimeSteps.
  NotFinite,               //!< A value of the model became infinite or not a number.
};

//! Thrown inside the model when a calculation cannot go on; caught by the calculation run, never
//! passed to a screen.
class ModelStop : public std::runtime_error {
 public:
  ModelStop(StopReason reason, int vaporSlot, std::string detail)
      : std::runtime_error(detail), m_reason(reason), m_vaporSlot(vaporSlot) {}
  StopReason reason() const { return m_reason; }
  //! Slot (1 to 5, in the order at the time of the stop) of the vapor concerned; 0 for none.
  int vaporSlot() const { return m_vaporSlot; }

 private:
  StopReason m_reason;
  int m_vaporSlot;
};

//! How often a calculation met a bound of the equilibrium at which the model still has its answer.
struct BoundsMet {
  //! Fraction marches that ended at a fraction of 1 without reaching the reference.
  int march = 0;
  //! Equilibrium solves that returned at a repeated start or at MaxSolvePasses without closing.
  int solve = 0;
};

//! Switches of the model that never change a result.
struct ModelOptions {
  //! Reuse what does not change within a zone's time steps and within an equilibrium solve, and
  //! skip steps and passes that change nothing. Off: every step and every march is evaluated in
  //! full from the state as it stands, as a reference for tests.
  bool shortcuts = true;
  //! Bound of the time steps of one zone; tests lower it to reach it quickly.
  std::int64_t maxZoneTimeSteps = ModelBounds::MaxZoneTimeSteps;
  //! Where the bounds met are counted; none when null.
  BoundsMet* boundsMet = nullptr;
};

}  // namespace tess::model
