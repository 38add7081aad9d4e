#include "input/Drawings.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace tess::input {
namespace {

using forms::Color;
using forms::Rect;
using forms::Shape;

constexpr Color Black{0, 0, 0};
constexpr Color White{255, 255, 255};
constexpr Color Carbon{60, 60, 60};
constexpr Color Housing{170, 175, 185};
constexpr Color AirBlue{70, 110, 200};
constexpr Color CleanGreen{40, 150, 60};

Shape rectangle(Rect bounds, std::optional<Color> fill, std::optional<Color> outline, int lineWidth = 1) {
  Shape shape;
  shape.kind = Shape::Kind::Rectangle;
  shape.bounds = bounds;
  shape.fill = fill;
  shape.outline = outline;
  shape.lineWidth = lineWidth;
  return shape;
}

Shape ellipse(Rect bounds, std::optional<Color> fill, std::optional<Color> outline) {
  Shape shape = rectangle(bounds, fill, outline);
  shape.kind = Shape::Kind::Ellipse;
  return shape;
}

Shape line(int x1, int y1, int x2, int y2, Color colour, int lineWidth = 2) {
  Shape shape;
  shape.kind = Shape::Kind::Line;
  shape.bounds = {x1, y1, x2 - x1, y2 - y1};
  shape.outline = colour;
  shape.lineWidth = lineWidth;
  return shape;
}

Shape text(Rect bounds, std::string words, Color colour, double pointSize, bool bold = true) {
  Shape shape;
  shape.kind = Shape::Kind::Text;
  shape.bounds = bounds;
  shape.outline = colour;
  shape.text = std::move(words);
  shape.font = forms::Font{"Arial", pointSize, bold};
  shape.align = forms::Align::Center;
  return shape;
}

//! An upward arrow with its tip at (x, top).
void addUpArrow(std::vector<Shape>& shapes, int x, int top, int length, Color colour) {
  const int head = length / 4;
  shapes.push_back(line(x, top + length, x, top, colour));
  shapes.push_back(line(x, top, x - head / 2, top + head, colour));
  shapes.push_back(line(x, top, x + head / 2, top + head, colour));
}

}  // namespace

std::vector<Shape> backgroundWash(int width, int height) {
  std::vector<Shape> shapes;
  // Horizontal bands from a pale sky blue to a pale green, drawn edge to edge.
  constexpr int Bands = 8;
  for (int band = 0; band < Bands; ++band) {
    const int top = height * band / Bands;
    const int bottom = height * (band + 1) / Bands;
    const auto mix = [band](int from, int to) {
      return static_cast<std::uint8_t>(from + (to - from) * band / (Bands - 1));
    };
    const Color colour{mix(214, 222), mix(230, 240), mix(250, 222)};
    shapes.push_back(rectangle({0, top, width, bottom - top}, colour, std::nullopt));
  }
  return shapes;
}

std::vector<Shape> cartridgeSection(int width, int height) {
  std::vector<Shape> shapes;
  shapes.push_back(rectangle({0, 0, width, height}, White, std::nullopt));
  // Housing: a round-shouldered canister in the middle half of the picture.
  const int left = width / 4;
  const int right = width * 3 / 4;
  const int top = height / 4;
  const int bottom = height * 3 / 4;
  shapes.push_back(rectangle({left, top, right - left, bottom - top}, Housing, Black, 2));
  // The carbon bed: rows of granules between two screens.
  const int bedTop = top + (bottom - top) / 6;
  const int bedBottom = bottom - (bottom - top) / 6;
  shapes.push_back(line(left, bedTop, right, bedTop, Black, 1));
  shapes.push_back(line(left, bedBottom, right, bedBottom, Black, 1));
  constexpr int Columns = 9;
  constexpr int Rows = 6;
  const int cellWidth = (right - left) / Columns;
  const int cellHeight = (bedBottom - bedTop) / Rows;
  for (int row = 0; row < Rows; ++row) {
    for (int column = 0; column < Columns; ++column) {
      const int offset = (row % 2) * cellWidth / 3;
      const int x = left + column * cellWidth + offset;
      if (x + cellWidth > right) continue;
      shapes.push_back(ellipse({x + cellWidth / 8, bedTop + row * cellHeight + cellHeight / 8,
                                cellWidth * 3 / 4, cellHeight * 3 / 4},
                               Carbon, Black));
    }
  }
  // Contaminated air enters at the bottom, clean air leaves at the top.
  const int arrowLength = height / 6;
  for (int k = 1; k <= 3; ++k) {
    const int x = left + (right - left) * k / 4;
    addUpArrow(shapes, x, bottom + height / 30, arrowLength, AirBlue);
    addUpArrow(shapes, x, height / 30, arrowLength, CleanGreen);
  }
  // The labels stand right of the arrows they name.
  const int labelLeft = right + width / 40;
  const int labelWidth = width - labelLeft;
  shapes.push_back(
      text({labelLeft, bottom + height / 30, labelWidth, arrowLength}, "air with vapors", AirBlue, 9));
  shapes.push_back(text({labelLeft, height / 30, labelWidth, arrowLength}, "clean air", CleanGreen, 9));
  return shapes;
}

std::vector<Shape> granuleWithMolecules(int width, int height) {
  std::vector<Shape> shapes;
  shapes.push_back(ellipse({width / 10, height / 10, width * 8 / 10, height * 8 / 10}, Carbon, Black));
  // Pores as pale channels, molecules as small red dots inside them.
  for (int k = 1; k <= 3; ++k) {
    const int y = height * (2 * k + 1) / 10;
    shapes.push_back(line(width / 4, y, width * 3 / 4, y, Color{150, 150, 150}, 3));
    shapes.push_back(ellipse({width * (2 + k) / 10, y - height / 30, width / 15, height / 15},
                             Color{220, 40, 40}, std::nullopt));
  }
  return shapes;
}

std::vector<Shape> breakthroughCurves(int width, int height) {
  std::vector<Shape> shapes;
  shapes.push_back(rectangle({0, 0, width, height}, White, Black));
  const int x0 = width / 8;
  const int y0 = height * 7 / 8;
  shapes.push_back(line(x0, y0, width * 15 / 16, y0, Black, 1));  // time
  shapes.push_back(line(x0, y0, x0, height / 16, Black, 1));      // outlet concentration
  // Each vapor's outlet concentration stays near zero, then rises in an S towards the inlet level.
  const Color colours[] = {Color{220, 40, 40}, Color{40, 90, 220}};
  for (int curve = 0; curve < 2; ++curve) {
    const int start = x0 + width * (1 + 3 * curve) / 10;
    const int points[][2] = {{0, 0}, {2, 1}, {3, 4}, {4, 8}, {5, 10}, {8, 11}};
    for (int p = 0; p + 1 < 6; ++p) {
      const auto px = [&](int i) { return start + points[i][0] * width / 24; };
      const auto py = [&](int i) { return y0 - points[i][1] * height / 16; };
      shapes.push_back(line(px(p), py(p), px(p + 1), py(p + 1), colours[curve], 2));
    }
  }
  return shapes;
}

std::vector<Shape> mixtureOfVapors(int width, int height) {
  std::vector<Shape> shapes;
  shapes.push_back(rectangle({0, 0, width, height}, White, Black));
  const Color colours[] = {Color{220, 40, 40}, Color{40, 90, 220}, Color{230, 170, 20}};
  const int size = std::min(width, height) / 6;
  for (int k = 0; k < 9; ++k) {
    const int x = width * (1 + (k * 3) % 8) / 10;
    const int y = height * (1 + (k * 5) % 7) / 9;
    shapes.push_back(ellipse({x, y, size, size}, colours[k % 3], Black));
  }
  return shapes;
}

std::vector<Shape> humidAir(int width, int height) {
  std::vector<Shape> shapes;
  shapes.push_back(rectangle({0, 0, width, height}, White, Black));
  const Color water{90, 170, 230};
  const int size = std::min(width, height) / 5;
  for (int k = 0; k < 5; ++k) {
    const int x = width * (1 + 2 * k) / 11;
    const int y = height * (1 + (k * 2) % 5) / 7;
    shapes.push_back(ellipse({x, y, size, size * 5 / 4}, water, Color{30, 90, 160}));
  }
  return shapes;
}

}  // namespace tess::input
