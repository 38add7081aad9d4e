// Linked into every test executable of the Windows build: the tests run as for a user whose
// locale writes numbers with a decimal comma (German), set before any test starts, so that every
// number conversion the tests reach is shown to ignore the user's locale.
#include <clocale>

namespace tess::testing {
namespace {

struct DecimalCommaUser {
  DecimalCommaUser() { std::setlocale(LC_ALL, "German_Germany.1252"); }
};

const DecimalCommaUser user;

}  // namespace
}  // namespace tess::testing
