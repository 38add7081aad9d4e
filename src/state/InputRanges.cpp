#include "state/InputRanges.h"

namespace tess {

std::string rangeRequest(const InputRange& range) {
  return std::string(range.What) + " from " + range.MinText + " to " + range.MaxText + " " + range.Unit;
}

}  // namespace tess
