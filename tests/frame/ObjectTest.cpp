#include <gtest/gtest.h>

#include <memory>

#include "fpgeom/frame/ObList.h"
#include "fpgeom/frame/Object.h"
#include "frame/SampleObjects.h"

namespace fpgeom::test {
namespace {

TEST(RuntimeClass, FindsOnlyTheSerializableClassesByExactName) {
  EXPECT_EQ(CRuntimeClass::FromName("SampleValue"), RUNTIME_CLASS(SampleValue));
  EXPECT_EQ(CRuntimeClass::FromName("CObList"), RUNTIME_CLASS(CObList));
  EXPECT_EQ(CRuntimeClass::FromName("samplevalue"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName("SampleDynCreate"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName("SampleDynamic"), nullptr);
}

TEST(RuntimeClass, CreatesObjectsOnlyOfCreatableClasses) {
  std::unique_ptr<CObject> byName(CRuntimeClass::CreateObject("SampleDerived"));
  ASSERT_NE(byName, nullptr);
  EXPECT_NE(dynamic_cast<SampleDerived*>(byName.get()), nullptr);
  EXPECT_EQ(byName->GetRuntimeClass(), RUNTIME_CLASS(SampleDerived));
  EXPECT_NE(std::unique_ptr<CObject>(CRuntimeClass::CreateObject("CObList")), nullptr);

  std::unique_ptr<CObject> dynCreate(RUNTIME_CLASS(SampleDynCreate)->CreateObject());
  ASSERT_NE(dynCreate, nullptr);
  EXPECT_EQ(dynCreate->GetRuntimeClass(), RUNTIME_CLASS(SampleDynCreate));

  EXPECT_EQ(CRuntimeClass::CreateObject("NoSuchClass"), nullptr);
  EXPECT_EQ(CRuntimeClass::CreateObject("SampleDynCreate"), nullptr);
  EXPECT_EQ(RUNTIME_CLASS(CObject)->CreateObject(), nullptr);
  EXPECT_EQ(RUNTIME_CLASS(SampleDynamic)->CreateObject(), nullptr);
}

TEST(RuntimeClass, TellsDerivationAndKind) {
  EXPECT_TRUE(RUNTIME_CLASS(SampleDerived)->IsDerivedFrom(RUNTIME_CLASS(SampleDerived)));
  EXPECT_TRUE(RUNTIME_CLASS(SampleDerived)->IsDerivedFrom(RUNTIME_CLASS(SampleValue)));
  EXPECT_FALSE(RUNTIME_CLASS(SampleValue)->IsDerivedFrom(RUNTIME_CLASS(SampleDerived)));
  EXPECT_FALSE(RUNTIME_CLASS(SampleValue)->IsDerivedFrom(RUNTIME_CLASS(CObList)));
  EXPECT_FALSE(RUNTIME_CLASS(SampleValue)->IsDerivedFrom(nullptr));
  EXPECT_TRUE(SampleDerived().IsKindOf(RUNTIME_CLASS(SampleValue)));
  EXPECT_FALSE(SampleValue().IsKindOf(RUNTIME_CLASS(SampleDerived)));
  EXPECT_TRUE(SampleValue().IsSerializable());
  EXPECT_FALSE(SampleDynCreate().IsSerializable());
}

TEST(RuntimeClass, RegisteringTwiceKeepsOneEntryAndUnregistersOnRelease) {
  static CRuntimeClass transient = {"TransientSample", 1, 1, &SampleValue::CreateObject,
                                    RUNTIME_CLASS(CObject), nullptr};
  {
    AFX_CLASSINIT registration(&transient);
    AfxClassInit(&transient);
    EXPECT_EQ(CRuntimeClass::FromName("TransientSample"), &transient);
    EXPECT_NE(std::unique_ptr<CObject>(CRuntimeClass::CreateObject("TransientSample")), nullptr);
  }
  EXPECT_EQ(CRuntimeClass::FromName("TransientSample"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName("SampleValue"), RUNTIME_CLASS(SampleValue));
  EXPECT_EQ(CRuntimeClass::FromName("CObList"), RUNTIME_CLASS(CObList));
}

}  // namespace
}  // namespace fpgeom::test
