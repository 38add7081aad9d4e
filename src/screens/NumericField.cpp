#include "screens/NumericField.h"

#include "platform/forms/KeyCodes.h"
#include "platform/text/LeadingNumber.h"
#include "screens/ValidDataEntry.h"

namespace tess::screens::ValidDataEntry {

NumericBounds rangeBounds(const InputRange& range) {
  return {range.Min, range.Max, range.MinText, range.MaxText};
}

NumericField::NumericField(forms::TextBox& box, NumericBounds bounds, forms::Control* next, EnterAction enterAction)
    : m_box(&box), m_bounds(std::move(bounds)), m_next(next), m_enterAction(enterAction) {}

void NumericField::GotFocus() { m_box->selectAll(); }

void NumericField::KeyDown(int KeyCode, int /*Shift*/) {
  if (KeyCode != forms::KeyReturn) return;
  if (!check()) return;
  if (m_enterAction == EnterAction::StoreAndStay)
    accept();
  else if (m_next)
    m_next->setFocus();
}

void NumericField::Validate(bool& Cancel) {
  Cancel = !check();
  if (!Cancel) accept();
}

bool NumericField::check() {
  return ValidUserInput(*m_box, m_bounds.MinVal, m_bounds.MaxVal, m_bounds.MinText, m_bounds.MaxText);
}

double NumericField::value() const { return tess::text::leadingNumber(m_box->text()); }

void NumericField::accept() {
  if (m_onAccepted) {
    const auto store = m_onAccepted;  // a store may replace the handler
    store(value());
  }
}

void NumericField::wire() {
  m_box->onGotFocus = [this] { GotFocus(); };
  m_box->onKeyDown = [this](int KeyCode, int Shift) { KeyDown(KeyCode, Shift); };
  m_box->onValidate = [this](bool& Cancel) { Validate(Cancel); };
}

}  // namespace tess::screens::ValidDataEntry
