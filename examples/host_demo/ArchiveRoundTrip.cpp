#include "ArchiveRoundTrip.h"

#include <cstddef>
#include <memory>

#include <fpgeom/fpgeom.h>

#include "Describe.h"

namespace host_demo {
namespace {

bool SameBits(const CFPPoint& p, const CFPPoint& q) { return p.x == q.x && p.y == q.y; }

bool SameBits(const CFPRect& r, const CFPRect& s) {
  return r.left == s.left && r.bottom == s.bottom && r.right == s.right && r.top == s.top;
}

// Each object was written once, so each reference read back introduces a new
// object that the caller owns; it is adopted at once.
std::unique_ptr<CFPPoint> LoadPoint(CArchive& ar) {
  CFPPoint* point = nullptr;
  ar >> point;
  return std::unique_ptr<CFPPoint>(point);
}

std::unique_ptr<CFPRect> LoadRectangle(CArchive& ar) {
  return std::unique_ptr<CFPRect>(static_cast<CFPRect*>(ar.ReadObject(RUNTIME_CLASS(CFPRect))));
}

template <class Value>
int CountDifferentValues(const char* kind, const std::vector<Value>& written, const std::vector<Value>& read,
                         std::ostream& out) {
  if (written.size() != read.size()) {
    out << "  wrote " << written.size() << ' ' << kind << " but read " << read.size() << '\n';
    return 1;
  }
  int differences = 0;
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (!SameBits(written[i], read[i])) {
      out << "  " << kind << '[' << i << "]: wrote " << Describe(written[i]) << ", read " << Describe(read[i]) << '\n';
      ++differences;
    }
  }
  return differences;
}

}  // namespace

void StoreShapes(const Shapes& shapes, const std::string& path) {
  CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
  CArchive ar(&file, CArchive::store);
  ar.WriteCount(shapes.points.size());
  for (const CFPPoint& point : shapes.points) {
    ar << &point;
  }
  ar.WriteCount(shapes.rectangles.size());
  for (const CFPRect& rect : shapes.rectangles) {
    ar.WriteObject(&rect);
  }
  // Closing here reports a failed write; the destructors could not.
  ar.Close();
  file.Close();
}

Shapes LoadShapes(const std::string& path) {
  CFile file(path.c_str(), CFile::modeRead | CFile::typeBinary);
  CArchive ar(&file, CArchive::load);
  Shapes shapes;
  // Counts come from the file: the vectors grow only as objects are read.
  for (DWORD_PTR n = ar.ReadCount(); n > 0; --n) {
    const std::unique_ptr<CFPPoint> point = LoadPoint(ar);
    if (point) {
      shapes.points.push_back(*point);
    }
  }
  for (DWORD_PTR n = ar.ReadCount(); n > 0; --n) {
    const std::unique_ptr<CFPRect> rect = LoadRectangle(ar);
    if (rect) {
      shapes.rectangles.push_back(*rect);
    }
  }
  ar.Close();
  return shapes;
}

int CountDifferences(const Shapes& written, const Shapes& read, std::ostream& out) {
  return CountDifferentValues("points", written.points, read.points, out) +
         CountDifferentValues("rectangles", written.rectangles, read.rectangles, out);
}

}  // namespace host_demo
