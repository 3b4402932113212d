// fpgeom_region_archive FILE: builds a region of two parcels, stores it in an
// archive file the way a host document would, loads it into a second region
// and compares the two. Exit status: 0 when they match, 1 when not.
#include <cstdio>
#include <iostream>
#include <memory>

#include <fpgeom/fpgeom.h>

namespace {

std::unique_ptr<CFPPolygon> Parcel(std::initializer_list<CFPPoint> corners) {
  auto parcel = std::make_unique<CFPPolygon>();
  for (const CFPPoint& corner : corners) parcel->AddTailNode(corner);
  return parcel;
}

void Describe(const char* name, const CFPPolyRgn& region) {
  std::cout << name << ": " << region.getCount() << " polygons, area " << region.Area() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fpgeom_region_archive FILE\n";
    return 2;
  }
  CFPPolyRgn stored;
  // The region owns what it is given; release() hands the parcel over.
  stored.AddPolygon(Parcel({{0, 0}, {0, 40}, {30, 40}, {30, 0}}).release());
  stored.AddPolygon(Parcel({{30, 0}, {30, 40}, {70, 40}, {70, 0}}).release());
  Describe("stored", stored);
  {
    CFile file(argv[1], CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
    CArchive archive(&file, CArchive::store);
    stored.Serialize(archive);
    archive.Close();
  }

  CFPPolyRgn loaded;
  {
    CFile file(argv[1], CFile::modeRead | CFile::typeBinary);
    CArchive archive(&file, CArchive::load);
    loaded.Serialize(archive);
  }
  Describe("loaded", loaded);

  // Both regions are walked with their own cursors, polygon by polygon.
  bool same = stored.getCount() == loaded.getCount();
  stored.BeginIteration();
  loaded.BeginIteration();
  while (same && stored.isIterationFinished() == 0) {
    const CFPPolygon* a = stored.getNextPolygon();
    const CFPPolygon* b = loaded.getNextPolygon();
    same = a->getCount() == b->getCount() && a->Area() == b->Area() && a->getHeadNode() == b->getHeadNode();
  }
  std::cout << (same ? "the loaded region matches\n" : "the loaded region DIFFERS\n");
  return same ? 0 : 1;
}
