// The window system's integer geometry and the framework's fixed-width
// scalar names, with Linux widths: every field is 32 bits, never `long`.
#pragma once

#include <cstddef>
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned;
using ULONGLONG = std::uint64_t;
using LONGLONG = std::int64_t;
using DWORD_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;

// A list position: designates one element of a framework list, or is the
// end when null. Opaque to callers.
namespace fpgeom {
struct PositionTag;
}
using POSITION = fpgeom::PositionTag*;

struct tagPOINT {
  std::int32_t x;
  std::int32_t y;
};

struct tagSIZE {
  std::int32_t cx;
  std::int32_t cy;
};

struct tagRECT {
  std::int32_t left;
  std::int32_t top;
  std::int32_t right;
  std::int32_t bottom;
};

class CPoint : public tagPOINT {
 public:
  CPoint() : tagPOINT{0, 0} {}
  CPoint(std::int32_t initX, std::int32_t initY) : tagPOINT{initX, initY} {}
  CPoint(const tagPOINT& pt) : tagPOINT(pt) {}  // NOLINT: implicit, as hosts expect
  bool operator==(const tagPOINT& other) const { return x == other.x && y == other.y; }
  bool operator!=(const tagPOINT& other) const { return !(*this == other); }
};

class CSize : public tagSIZE {
 public:
  CSize() : tagSIZE{0, 0} {}
  CSize(std::int32_t initCX, std::int32_t initCY) : tagSIZE{initCX, initCY} {}
  CSize(const tagSIZE& size) : tagSIZE(size) {}  // NOLINT: implicit, as hosts expect
  bool operator==(const tagSIZE& other) const { return cx == other.cx && cy == other.cy; }
  bool operator!=(const tagSIZE& other) const { return !(*this == other); }
};

class CRect : public tagRECT {
 public:
  CRect() : tagRECT{0, 0, 0, 0} {}
  CRect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) : tagRECT{l, t, r, b} {}
  CRect(const tagRECT& rect) : tagRECT(rect) {}  // NOLINT: implicit, as hosts expect
  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  bool operator==(const tagRECT& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
  bool operator!=(const tagRECT& other) const { return !(*this == other); }
  operator tagRECT*() { return this; }
  operator const tagRECT*() const { return this; }
};
