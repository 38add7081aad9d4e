#pragma once
// Plain value types that describe how controls and forms look. Geometry is in twips
// (1/1440 inch); colours are red, green, blue.

#include <cstdint>
#include <string>

namespace tess::forms {

//! A rectangle in twips, relative to the form's client area (or to a picture for its shapes).
struct Rect {
  int left = 0;    //!< [twips]
  int top = 0;     //!< [twips]
  int width = 0;   //!< [twips]
  int height = 0;  //!< [twips]
  friend bool operator==(const Rect&, const Rect&) = default;
};

//! A colour as red, green, blue, each 0 to 255.
struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

//! A font by family name; the Qt binding substitutes families that the machine lacks.
struct Font {
  std::string family = "MS Sans Serif";
  double pointSize = 8.25;  //!< [points]
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const Font&, const Font&) = default;
};

//! Horizontal alignment of a caption or text.
enum class Align { Left, Center, Right };

}  // namespace tess::forms
