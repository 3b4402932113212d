#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "fpgeom/frame/ObList.h"
#include "fpgeom/frame/Object.h"
#include "frame/SampleObjects.h"

namespace fpgeom::test {
namespace {

// Only serializable classes are registered, by their exact name; only
// creatable classes give an object.
TEST(RuntimeClass, FindsAndCreatesOnlyTheSerializableClassesByExactName) {
  const std::pair<const char*, const CRuntimeClass*> cases[] = {
      {"SampleDerived", RUNTIME_CLASS(SampleDerived)}, {"CObList", RUNTIME_CLASS(CObList)}, {"samplevalue", nullptr},
      {"SampleDynCreate", nullptr}, {"NoSuchClass", nullptr}, {nullptr, nullptr},
  };
  for (const auto& [name, found] : cases) {
    EXPECT_EQ(CRuntimeClass::FromName(name), found) << name;
    const std::unique_ptr<CObject> made(CRuntimeClass::CreateObject(name));
    EXPECT_EQ(made ? made->GetRuntimeClass() : nullptr, found) << name;
  }
  EXPECT_EQ(std::unique_ptr<CObject>(RUNTIME_CLASS(SampleDynCreate)->CreateObject())->GetRuntimeClass(),
            RUNTIME_CLASS(SampleDynCreate));
}

}  // namespace
}  // namespace fpgeom::test
