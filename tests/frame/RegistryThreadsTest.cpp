// The registry of runtime classes is written only while modules load and
// unload; afterwards any number of threads may look classes up and create
// objects by name. Run under ThreadSanitizer, this shows that a look-up
// writes nothing; in any build, that every thread gets the right answers.
#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "fpgeom/fpgeom.h"

namespace fpgeom::test {
namespace {

// Only serializable classes are registered, by their exact name; only
// creatable classes give an object.
TEST(RuntimeClass, FindsAndCreatesOnlyTheSerializableClassesByExactNameFromManyThreads) {
  const std::pair<const char*, const CRuntimeClass*> cases[] = {
      {"CFPPolygon", RUNTIME_CLASS(CFPPolygon)}, {"CFPSegment", RUNTIME_CLASS(CFPSegment)},
      {"CObList", RUNTIME_CLASS(CObList)},       {"cfppolygon", nullptr},
      {"CFPPolyRgn", nullptr},                   {"NoSuchClass", nullptr},
      {nullptr, nullptr},
  };
  constexpr int kThreads = 4;
  // By thread and case, so that a failure names the class.
  std::vector<std::vector<int>> mismatches(kThreads, std::vector<int>(std::size(cases), 0));
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 500; ++round) {
        for (std::size_t i = 0; i < std::size(cases); ++i) {
          const std::unique_ptr<CObject> made(CRuntimeClass::CreateObject(cases[i].first));
          const CRuntimeClass* madeClass = made ? made->GetRuntimeClass() : nullptr;
          if (CRuntimeClass::FromName(cases[i].first) != cases[i].second || madeClass != cases[i].second) {
            ++mismatches[t][i];
          }
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(mismatches, std::vector<std::vector<int>>(kThreads, std::vector<int>(std::size(cases), 0)));
  EXPECT_EQ(std::unique_ptr<CObject>(RUNTIME_CLASS(CFPPolyRgn)->CreateObject())->GetRuntimeClass(),
            RUNTIME_CLASS(CFPPolyRgn));
}

}  // namespace
}  // namespace fpgeom::test
