// Turns fuzz input bytes into geometry. Coordinates come mostly from small
// integers and a table of values that sit on the library's edges (the point
// tolerance, the overflow range, infinities, NaN), so that coincident,
// collinear and crossing points are common; one tag takes the next eight
// bytes as a raw double. Reading past the end gives zeros, so every input
// decodes to something.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "fpgeom/frame/WinTypes.h"
#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPRect.h"
#include "fpgeom/values/Tolerance.h"

namespace fpgeom::fuzz {

class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

  bool IsExhausted() const { return m_offset >= m_size; }

  std::uint8_t Byte() { return IsExhausted() ? 0 : m_data[m_offset++]; }

  // A number from 0 to max inclusive.
  int UpTo(int max) { return Byte() % (max + 1); }

  template <class T>
  T Raw() {
    unsigned char bytes[sizeof(T)] = {};
    for (unsigned char& byte : bytes) byte = Byte();
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }

  double Coordinate() {
    constexpr int kSmallIntegers = 12;
    constexpr int kSmallIntegerTags = 8 * kSmallIntegers;
    const std::uint8_t tag = Byte();
    if (tag < kSmallIntegerTags) return static_cast<double>(tag % kSmallIntegers - 2);
    const std::size_t interesting = tag - kSmallIntegerTags;
    if (interesting < sizeof kInteresting / sizeof kInteresting[0]) return kInteresting[interesting];
    return Raw<double>();
  }

  CFPPoint Point() {
    const double x = Coordinate();
    return CFPPoint(x, Coordinate());
  }

  CFPRect Rect() {
    const double left = Coordinate();
    const double right = Coordinate();
    const double bottom = Coordinate();
    return CFPRect(left, right, bottom, Coordinate());
  }

  std::int32_t IntegerCoordinate() {
    const std::uint8_t tag = Byte();
    if (tag < 224) return tag % 12 - 2;
    if (tag < 232) return kInterestingIntegers[tag - 224];
    return Raw<std::int32_t>();
  }

  tagPOINT IntegerPoint() {
    const std::int32_t x = IntegerCoordinate();
    return tagPOINT{x, IntegerCoordinate()};
  }

  tagRECT IntegerRect() {
    const std::int32_t left = IntegerCoordinate();
    const std::int32_t top = IntegerCoordinate();
    const std::int32_t right = IntegerCoordinate();
    return tagRECT{left, top, right, IntegerCoordinate()};
  }

 private:
  static constexpr double kInteresting[] = {
      0.5, -0.5, 1.0 / 3.0, 1e-7, 2e-7, kPointEpsilon, kDoubleEpsilon, kOnePlusDoubleEpsilon, 1e-300,
      std::numeric_limits<double>::denorm_min(), 1e15, -1e15, 1e300, -1e300,
      std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
      std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
      std::numeric_limits<double>::quiet_NaN(), 2147483647.5, -2147483648.5, 4503599627370497.0};
  static constexpr std::int32_t kInterestingIntegers[] = {
      std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
      -1000000000, 1000000000, 65535, -65536, 46341, -46341};

  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_offset = 0;
};

}  // namespace fpgeom::fuzz
