#pragma once
// ControlArray: a row of like controls indexed 1 to Count, such as VapBkConc(1) to VapBkConc(5).
// Members are built in index order with the array's name and their index, so each reports
// name() == the array's name and index() == its position. Access with arr[i], i from 1 to Count;
// any other index throws std::out_of_range.

#include <array>
#include <memory>
#include <stdexcept>
#include <string>

namespace tess::forms {

class Form;

template <class ControlType, int Count>
class ControlArray {
 public:
  ControlArray(Form& form, const std::string& name) {
    for (int i = 1; i <= Count; ++i) m_members[i - 1] = std::make_unique<ControlType>(form, name, i);
  }

  ControlType& operator[](int index) { return *m_members[slot(index)]; }
  const ControlType& operator[](int index) const { return *m_members[slot(index)]; }
  static constexpr int size() { return Count; }

 private:
  static std::size_t slot(int index) {
    if (index < 1 || index > Count) throw std::out_of_range("control array index " + std::to_string(index));
    return static_cast<std::size_t>(index - 1);
  }
  std::array<std::unique_ptr<ControlType>, Count> m_members;
};

}  // namespace tess::forms
