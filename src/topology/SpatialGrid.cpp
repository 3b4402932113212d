#include "topology/SpatialGrid.h"

#include <algorithm>
#include <cmath>

namespace fpgeom::detail {

namespace {

constexpr double kKeyLimit = 0x1p62;
constexpr double kExactKeys = 0x1p61;
constexpr int kLargestExponent = 1000;

}  // namespace

void Bounds::Include(const CFPPoint& p) noexcept {
  if (empty) {
    minX = maxX = p.x;
    minY = maxY = p.y;
    empty = false;
    return;
  }
  minX = std::min(minX, p.x);
  maxX = std::max(maxX, p.x);
  minY = std::min(minY, p.y);
  maxY = std::max(maxY, p.y);
}

double Bounds::LargestMagnitude() const noexcept {
  return std::max(std::max(std::fabs(minX), std::fabs(maxX)), std::max(std::fabs(minY), std::fabs(maxY)));
}

GridScale::GridScale(int exponent) noexcept
    : m_side(std::ldexp(1.0, exponent)), m_inverse(std::ldexp(1.0, -exponent)) {}

GridScale GridScale::Fitting(std::size_t count, const Bounds& bounds, double typicalExtent,
                             double smallestSide) noexcept {
  double side = smallestSide;
  if (!bounds.empty && count > 0) {
    // Halved before they are multiplied, so that wide bounds cannot overflow.
    const double n = static_cast<double>(count);
    const double width = 0.5 * bounds.maxX - 0.5 * bounds.minX;
    const double height = 0.5 * bounds.maxY - 0.5 * bounds.minY;
    const double wide = std::max(width, height);
    const double narrow = std::min(width, height);
    const double spacing = std::max(2 * wide / n, 2 * std::sqrt(wide / std::sqrt(n)) * std::sqrt(narrow / std::sqrt(n)));
    side = std::max({side, spacing, typicalExtent, bounds.LargestMagnitude() / 0x1p60});
  }
  int exponent = 0;
  std::frexp(std::isfinite(side) ? side : 0x1p1000, &exponent);
  return GridScale(std::min(exponent, kLargestExponent));
}

std::int64_t GridScale::Key(double c) const noexcept {
  const double cell = std::floor(c * m_inverse);
  if (!(cell == cell)) return 0;
  return static_cast<std::int64_t>(std::clamp(cell, -kKeyLimit, kKeyLimit));
}

bool GridScale::Covers(const Bounds& bounds) const noexcept {
  return bounds.LargestMagnitude() * m_inverse < kExactKeys;
}

double RingDistanceBound(std::int64_t ring, const GridScale& scale) noexcept {
  return (static_cast<double>(ring - 1) - 0x1p-20) * scale.Side() * (1 - 0x1p-40);
}

}  // namespace fpgeom::detail
