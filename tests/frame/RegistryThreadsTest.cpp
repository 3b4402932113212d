// The registry of runtime classes is written only while modules load and
// unload; afterwards any number of threads may look classes up and create
// objects by name. Run under ThreadSanitizer, this shows that a look-up
// writes nothing; in any build, that every thread gets the same answers.
#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

#include "fpgeom/fpgeom.h"

TEST(RegistryThreads, ManyThreadsLookUpAndCreateByNameWithTheSameAnswers) {
  const char* const names[] = {"CFPPolygon", "CFPPolyRgn", "CFPSegment", "CObList", "NoSuchClass"};
  std::vector<const CRuntimeClass*> expected;
  for (const char* name : names) expected.push_back(CRuntimeClass::FromName(name));
  ASSERT_EQ(expected[0], RUNTIME_CLASS(CFPPolygon));

  constexpr int kThreads = 4;
  std::vector<int> mismatches(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 500; ++round) {
        for (std::size_t i = 0; i < expected.size(); ++i) {
          if (CRuntimeClass::FromName(names[i]) != expected[i]) ++mismatches[t];
        }
        const std::unique_ptr<CObject> made(CRuntimeClass::CreateObject("CFPPolygon"));
        if (made == nullptr || !made->IsKindOf(RUNTIME_CLASS(CFPPolygon))) ++mismatches[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(mismatches, std::vector<int>(kThreads, 0));
}
