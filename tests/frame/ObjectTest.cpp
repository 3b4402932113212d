#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "fpgeom/frame/ObList.h"
#include "fpgeom/frame/Object.h"
#include "frame/SampleObjects.h"

using fpgeom::test::SampleDerived;
using fpgeom::test::SampleDynamic;
using fpgeom::test::SampleDynCreate;
using fpgeom::test::SampleValue;

TEST(RuntimeClass, FindsTheClassesRegisteredAtLoadByName) {
  EXPECT_EQ(CRuntimeClass::FromName("SampleValue"), RUNTIME_CLASS(SampleValue));
  EXPECT_EQ(CRuntimeClass::FromName("CObList"), RUNTIME_CLASS(CObList));
  EXPECT_EQ(CRuntimeClass::FromName("NoSuchClass"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName("samplevalue"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
}

TEST(RuntimeClass, RecordsNameSchemaAndBase) {
  const CRuntimeClass* sample = RUNTIME_CLASS(SampleValue);
  EXPECT_STREQ(sample->m_lpszClassName, "SampleValue");
  EXPECT_EQ(sample->m_wSchema, 3u);
  EXPECT_EQ(sample->m_nObjectSize, static_cast<int>(sizeof(SampleValue)));
  EXPECT_EQ(sample->m_pBaseClass, RUNTIME_CLASS(CObject));
  EXPECT_EQ(RUNTIME_CLASS(SampleDerived)->m_pBaseClass, sample);
  EXPECT_EQ(RUNTIME_CLASS(CObject)->m_wSchema, 0xFFFFu);
  EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pBaseClass, nullptr);
}

TEST(RuntimeClass, CreatesObjectsByClassAndByName) {
  std::unique_ptr<CObject> byName(CRuntimeClass::CreateObject("SampleDerived"));
  ASSERT_NE(byName, nullptr);
  EXPECT_EQ(byName->GetRuntimeClass(), RUNTIME_CLASS(SampleDerived));
  EXPECT_NE(dynamic_cast<SampleDerived*>(byName.get()), nullptr);

  std::unique_ptr<CObject> byClass(RUNTIME_CLASS(SampleValue)->CreateObject());
  ASSERT_NE(byClass, nullptr);
  EXPECT_EQ(byClass->GetRuntimeClass(), RUNTIME_CLASS(SampleValue));

  EXPECT_EQ(CRuntimeClass::CreateObject("NoSuchClass"), nullptr);
  EXPECT_EQ(RUNTIME_CLASS(CObject)->CreateObject(), nullptr);
  EXPECT_EQ(RUNTIME_CLASS(SampleDynamic)->CreateObject(), nullptr);
}

TEST(RuntimeClass, ADynCreateClassIsCreatableButNotNamed) {
  std::unique_ptr<CObject> object(RUNTIME_CLASS(SampleDynCreate)->CreateObject());
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->GetRuntimeClass(), RUNTIME_CLASS(SampleDynCreate));
  EXPECT_EQ(RUNTIME_CLASS(SampleDynCreate)->m_wSchema, 0xFFFFu);
  EXPECT_EQ(CRuntimeClass::FromName("SampleDynCreate"), nullptr);
  EXPECT_EQ(CRuntimeClass::CreateObject("SampleDynCreate"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName("SampleDynamic"), nullptr);
}

TEST(RuntimeClass, TellsDerivationAndKind) {
  EXPECT_TRUE(RUNTIME_CLASS(SampleDerived)->IsDerivedFrom(RUNTIME_CLASS(SampleDerived)));
  EXPECT_TRUE(RUNTIME_CLASS(SampleDerived)->IsDerivedFrom(RUNTIME_CLASS(SampleValue)));
  EXPECT_FALSE(RUNTIME_CLASS(SampleValue)->IsDerivedFrom(RUNTIME_CLASS(SampleDerived)));
  EXPECT_FALSE(RUNTIME_CLASS(SampleValue)->IsDerivedFrom(RUNTIME_CLASS(CObList)));
  EXPECT_FALSE(RUNTIME_CLASS(SampleValue)->IsDerivedFrom(nullptr));

  const SampleDerived derived;
  const SampleValue value;
  EXPECT_TRUE(derived.IsKindOf(RUNTIME_CLASS(SampleValue)));
  EXPECT_FALSE(value.IsKindOf(RUNTIME_CLASS(SampleDerived)));
  EXPECT_TRUE(value.IsSerializable());
  EXPECT_FALSE(SampleDynCreate().IsSerializable());
}

TEST(RuntimeClass, RegisteringTwiceKeepsOneEntryAndUnregistersOnRelease) {
  static CRuntimeClass transient = {"TransientSample", 1, 1, &SampleValue::CreateObject,
                                    RUNTIME_CLASS(CObject), nullptr};
  {
    AFX_CLASSINIT registration(&transient);
    AfxClassInit(&transient);
    EXPECT_EQ(CRuntimeClass::FromName("TransientSample"), &transient);
    std::unique_ptr<CObject> object(CRuntimeClass::CreateObject("TransientSample"));
    EXPECT_NE(object, nullptr);
  }
  EXPECT_EQ(CRuntimeClass::FromName("TransientSample"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName("SampleValue"), RUNTIME_CLASS(SampleValue));
  EXPECT_EQ(CRuntimeClass::FromName("CObList"), RUNTIME_CLASS(CObList));
}
