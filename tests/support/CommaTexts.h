// Texts with a comma, which every box that reads a number refuses, and the message that does.
#pragma once

#include <string>

namespace tess::testing {

//! Texts holding a comma: decimal commas, thousands separators and forms that were once read as the
//! digits before the comma ("22 ,5" as 22) or emptied without a word (",5", "0,").
inline const char* const CommaTexts[] = {"22 ,5", "22,,5", ",5",   "0,", "1,000",  "1e3,5",
                                         "1.,5",  "1,2,3", "2,,5", "1,", "92,,14", "200 ,5"};

//! The message that refuses a text holding a comma; typedText is the text without its surrounding
//! blanks.
inline std::string commaMessage(const std::string& typedText) {
  return typedText +
         " is not a number this box can take. Write numbers with a point for the decimals and without a"
         " thousands separator, as in 22.5 or 1000.";
}

}  // namespace tess::testing
