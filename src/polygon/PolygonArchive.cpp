#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fpgeom/frame/Archive.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/RingWalk.h"

namespace {

// Points are moved through the archive in chunks of this many, each point as
// its own record would put it: x, then y, as little-endian IEEE doubles.
constexpr std::size_t kChunkPoints = 256;
constexpr std::size_t kPointBytes = 16;

void PutDouble(BYTE* bytes, double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  for (std::size_t i = 0; i < 8; ++i) bytes[i] = static_cast<BYTE>(bits >> (8 * i));
}

// Spelled out byte by byte, which compilers turn into one load on a
// little-endian machine; the same as a loop, which they do not.
double GetDouble(const BYTE* bytes) {
  const std::uint64_t bits = std::uint64_t{bytes[0]} | std::uint64_t{bytes[1]} << 8 | std::uint64_t{bytes[2]} << 16 |
                             std::uint64_t{bytes[3]} << 24 | std::uint64_t{bytes[4]} << 32 |
                             std::uint64_t{bytes[5]} << 40 | std::uint64_t{bytes[6]} << 48 |
                             std::uint64_t{bytes[7]} << 56;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace

// The record is the point count and then each point's own record, x and y,
// head to tail; it has no header of its own and the cursor is not kept.
void CFPPolygon::Serialize(CArchive& ar) {
  BYTE chunk[kChunkPoints * kPointBytes];
  if (!ar.IsLoading()) {
    ar.WriteCount(static_cast<DWORD_PTR>(m_points.GetCount()));
    std::size_t filled = 0;
    fpgeom::detail::WalkForward(m_points, m_pos, [&](const CFPPoint& point) {
      PutDouble(chunk + filled * kPointBytes, point.x);
      PutDouble(chunk + filled * kPointBytes + 8, point.y);
      if (++filled == kChunkPoints) {
        ar.Write(chunk, static_cast<UINT>(sizeof chunk));
        filled = 0;
      }
    });
    if (filled > 0) ar.Write(chunk, static_cast<UINT>(filled * kPointBytes));
    return;
  }
  RemoveAll();
  CFPPoint point(0.0, 0.0);
  // Points are appended as they are read, never reserved from the count: a
  // record that ends early leaves the points read completely, and the
  // archive then reports the end of the file as a read of one more number
  // does.
  for (DWORD_PTR remaining = ar.ReadCount(); remaining > 0;) {
    const std::size_t wanted = remaining < kChunkPoints ? static_cast<std::size_t>(remaining) : kChunkPoints;
    const UINT read = ar.Read(chunk, static_cast<UINT>(wanted * kPointBytes));
    const std::size_t points = read / kPointBytes;
    for (std::size_t i = 0; i < points; ++i) {
      point.x = GetDouble(chunk + i * kPointBytes);
      point.y = GetDouble(chunk + i * kPointBytes + 8);
      m_points.AddTail(point);
    }
    if (points < wanted) {
      double beyondTheEnd;
      ar >> beyondTheEnd;
    }
    remaining -= points;
  }
}
