#include <cmath>

#include "fpgeom/values/FPPoint.h"

namespace {

constexpr double kSixteenBitMin = -32768.0;
constexpr double kSixteenBitMax = 32767.0;

double ClampToSixteenBits(double coordinate) {
  if (coordinate > kSixteenBitMax) return kSixteenBitMax;
  if (coordinate < kSixteenBitMin) return kSixteenBitMin;
  return coordinate;
}

}  // namespace

bool fpgeom::IsSixteenBitGraphicsPlatform() { return false; }

double CFPPoint::distance(const CFPPoint& point) const { return std::hypot(point.x - x, point.y - y); }

void CFPPoint::rotate(double angle, CFPPoint center) {
  const double dx = x - center.x;
  const double dy = y - center.y;
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  // Sums in this order, the centre added last: results are fixed to the bit.
  x = dx * c + dy * s + center.x;
  y = dy * c - dx * s + center.y;
}

void CFPPoint::truncate(fpgeom::PlatformQuery isSixteenBitPlatform) {
  if (!isSixteenBitPlatform()) return;
  x = ClampToSixteenBits(x);
  y = ClampToSixteenBits(y);
}
