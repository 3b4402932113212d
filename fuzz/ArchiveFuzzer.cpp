// Loads arbitrary bytes as an archive: a polygon record, a region record, or
// a run of object references read with or without an expected class. Loading may fail only
// with CArchiveException; whatever it built stays valid, and storing it,
// loading that and storing again gives the same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <vector>

#include "Invariant.h"
#include "fpgeom/frame/Archive.h"
#include "fpgeom/frame/File.h"
#include "fpgeom/frame/ObList.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/region/FPPolyRgn.h"

namespace fpgeom::fuzz {
namespace {

using Bytes = std::vector<BYTE>;

// The objects that only object lists hold, reached from the given objects
// through lists in lists: a list owns none of its elements, and what the
// caller owns or a region owns (its polygons) is not among them.
std::vector<CObject*> HeldOnlyByLists(const std::vector<std::unique_ptr<CObject>>& owned) {
  std::set<const CObject*> reached;
  std::vector<const CObject*> lists;
  for (const auto& object : owned) {
    reached.insert(object.get());
    lists.push_back(object.get());
  }
  std::vector<CObject*> held;
  while (!lists.empty()) {
    const CObject* next = lists.back();
    lists.pop_back();
    if (!next->IsKindOf(RUNTIME_CLASS(CObList))) continue;
    const auto& list = static_cast<const CObList&>(*next);
    for (POSITION at = list.GetHeadPosition(); at != nullptr;) {
      CObject* element = list.GetNext(at);
      if (element == nullptr || !reached.insert(element).second) continue;
      held.push_back(element);
      lists.push_back(element);
    }
  }
  std::set<const CObject*> ownedByRegions;
  for (const CObject* object : reached) {
    if (!object->IsKindOf(RUNTIME_CLASS(CFPPolyRgn))) continue;
    const auto& region = static_cast<const CFPPolyRgn&>(*object);
    for (region.BeginIteration(); region.isIterationFinished() == 0;) ownedByRegions.insert(region.getNextPolygon());
  }
  held.erase(std::remove_if(held.begin(), held.end(), [&](CObject* object) { return ownedByRegions.count(object); }),
             held.end());
  return held;
}

// What a run of object references loaded: the objects this side owns (with
// what only their lists hold), and each reference in order (null, a new
// object or one read before).
struct ObjectRun {
  std::vector<std::unique_ptr<CObject>> owned;
  std::vector<const CObject*> references;

  ObjectRun() = default;
  ObjectRun(const ObjectRun&) = delete;
  ObjectRun& operator=(const ObjectRun&) = delete;
  ~ObjectRun() {
    for (CObject* object : HeldOnlyByLists(owned)) delete object;
  }
};

template <class Load>
void LoadFrom(Bytes bytes, Load load) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive archive(&file, CArchive::load);
  load(archive);
}

template <class Store>
Bytes StoreWith(Store store) {
  CMemFile file;
  {
    CArchive archive(&file, CArchive::store);
    store(archive);
    archive.Close();
  }
  return Bytes(file.GetBuffer(), file.GetBuffer() + file.GetLength());
}

// Loads the stored form of an object again and checks that it stores to the
// same bytes; the stored form itself must load without error.
template <class Value, class Load, class Store>
void RequireStableRoundTrip(Value& loaded, Load load, Store store) {
  const Bytes stored = StoreWith([&](CArchive& ar) { store(ar, loaded); });
  Value reloaded;
  LoadFrom(stored, [&](CArchive& ar) { load(ar, reloaded); });
  Require(StoreWith([&](CArchive& ar) { store(ar, reloaded); }) == stored,
          "a loaded object stored, reloaded and stored again gives the same bytes");
}

void LoadPolygon(CArchive& ar, CFPPolygon& polygon) { polygon.Serialize(ar); }
void StorePolygon(CArchive& ar, CFPPolygon& polygon) { polygon.Serialize(ar); }

int WalkCount(const CFPPolygon& polygon) {
  int count = 0;
  polygon.BeginIteration(DIR_FORWARD);
  for (; polygon.isIterationFinished() == 0; ++count) polygon.getNextNode();
  return count;
}

void FuzzPolygonRecord(const Bytes& bytes) {
  CFPPolygon polygon;
  try {
    LoadFrom(bytes, [&](CArchive& ar) { LoadPolygon(ar, polygon); });
  } catch (const CArchiveException&) {
    // The points read before the error stay and must store like any others.
  }
  Require(WalkCount(polygon) == polygon.getCount(), "a loaded polygon is walkable");
  RequireStableRoundTrip(polygon, LoadPolygon, StorePolygon);
}

void LoadRegion(CArchive& ar, CFPPolyRgn& region) { region.Serialize(ar); }
void StoreRegion(CArchive& ar, CFPPolyRgn& region) { region.Serialize(ar); }

void FuzzRegionRecord(const Bytes& bytes) {
  CFPPolyRgn region;
  try {
    LoadFrom(bytes, [&](CArchive& ar) { LoadRegion(ar, region); });
  } catch (const CArchiveException&) {
    // The polygons read before the error stay.
  }
  int walked = 0;
  for (region.BeginIteration(); region.isIterationFinished() == 0; ++walked) {
    const CFPPolygon& polygon = *region.getNextPolygon();
    Require(WalkCount(polygon) == polygon.getCount(), "a loaded region's polygons are walkable");
  }
  Require(walked == region.getCount(), "a loaded region is walkable");
  RequireStableRoundTrip(region, LoadRegion, StoreRegion);
}

// Reads references until the archive fails or ends.
void LoadObjects(CArchive& ar, ObjectRun& run, const CRuntimeClass* expected, std::size_t limit) {
  while (run.references.size() < limit) {
    CObject* object = ar.ReadObject(expected);
    Require(object == nullptr || expected == nullptr || object->IsKindOf(expected),
            "ReadObject returns an object of the expected class");
    const bool known = std::any_of(run.owned.begin(), run.owned.end(),
                                   [object](const std::unique_ptr<CObject>& owned) { return owned.get() == object; });
    if (object != nullptr && !known) run.owned.emplace_back(object);
    run.references.push_back(object);
  }
}

void StoreObjects(CArchive& ar, const ObjectRun& run) {
  for (const CObject* object : run.references) ar.WriteObject(object);
}

void FuzzObjectReferences(const Bytes& bytes, const CRuntimeClass* expected) {
  constexpr std::size_t kMaxReferences = 64;
  ObjectRun run;
  try {
    LoadFrom(bytes, [&](CArchive& ar) { LoadObjects(ar, run, expected, kMaxReferences); });
  } catch (const CArchiveException&) {
    // The objects read before the error are complete; they are checked below.
  }
  const std::size_t count = run.references.size();
  const Bytes stored = StoreWith([&](CArchive& ar) { StoreObjects(ar, run); });
  ObjectRun reloaded;
  LoadFrom(stored, [&](CArchive& ar) { LoadObjects(ar, reloaded, expected, count); });
  Require(StoreWith([&](CArchive& ar) { StoreObjects(ar, reloaded); }) == stored,
          "loaded objects stored, reloaded and stored again give the same bytes");
}

}  // namespace
}  // namespace fpgeom::fuzz

// The first byte chooses what the rest is loaded as.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fpgeom::fuzz;
  if (size == 0) return 0;
  const Bytes archive(data + 1, data + size);
  switch (data[0] % 4) {
    case 0:
      FuzzPolygonRecord(archive);
      break;
    case 3:
      FuzzRegionRecord(archive);
      break;
    case 1:
      FuzzObjectReferences(archive, nullptr);
      break;
    default:
      FuzzObjectReferences(archive, RUNTIME_CLASS(CFPPolygon));
      break;
  }
  return 0;
}
