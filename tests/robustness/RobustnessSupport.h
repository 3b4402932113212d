// Shared by the robustness tests: rings and regions as coordinate lists,
// read back by walks that must visit exactly getCount() elements, and
// archive bytes written by hand.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fpgeom/fpgeom.h"

namespace fpgeom::test {

using Ring = std::vector<std::pair<double, double>>;

inline void AppendRing(CFPPolygon& polygon, const Ring& ring) {
  for (const auto& [x, y] : ring) polygon.AddTailNode(x, y);
}

// The points head to tail; a walk that does not visit getCount() points
// fails the test.
inline Ring WalkedRing(const CFPPolygon& polygon) {
  Ring ring;
  for (polygon.BeginIteration(DIR_FORWARD); polygon.isIterationFinished() == 0;) {
    const CFPPoint point = polygon.getNextNode();
    ring.emplace_back(point.x, point.y);
  }
  EXPECT_EQ(static_cast<int>(ring.size()), polygon.getCount());
  return ring;
}

inline std::vector<Ring> WalkedRegion(const CFPPolyRgn& region) {
  std::vector<Ring> rings;
  for (region.BeginIteration(); region.isIterationFinished() == 0;) rings.push_back(WalkedRing(*region.getNextPolygon()));
  EXPECT_EQ(static_cast<int>(rings.size()), region.getCount());
  return rings;
}

// Archive bytes in the framework's little-endian format.
class ArchiveBytes {
 public:
  ArchiveBytes& Word(std::uint16_t value) { return Little(value, 2); }
  ArchiveBytes& Dword(std::uint32_t value) { return Little(value, 4); }
  ArchiveBytes& Double(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return Little(bits, 8);
  }
  ArchiveBytes& NewClass(std::uint16_t schema, const std::string& name) {
    Word(0xFFFF).Word(schema).Word(static_cast<std::uint16_t>(name.size()));
    m_bytes.insert(m_bytes.end(), name.begin(), name.end());
    return *this;
  }
  ArchiveBytes& PolygonRecord(const Ring& ring) {
    Word(static_cast<std::uint16_t>(ring.size()));
    for (const auto& [x, y] : ring) Double(x).Double(y);
    return *this;
  }
  std::vector<BYTE>& bytes() { return m_bytes; }

 private:
  ArchiveBytes& Little(std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) m_bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
    return *this;
  }

  std::vector<BYTE> m_bytes;
};

// A loading archive over bytes that it does not own.
struct LoadingArchive {
  explicit LoadingArchive(std::vector<BYTE>& bytes)
      : file(bytes.data(), static_cast<UINT>(bytes.size())), archive(&file, CArchive::load) {}
  CMemFile file;
  CArchive archive;
};

}  // namespace fpgeom::test
