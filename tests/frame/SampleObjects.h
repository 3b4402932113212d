// Small framework classes the frame tests create, name and archive.
#pragma once

#include "fpgeom/frame/Archive.h"
#include "fpgeom/frame/Object.h"

#include <memory>

namespace fpgeom::test {

// Serializable with schema 3: its record is one int32. Counts live instances
// so that tests can see objects leak or die.
class SampleValue : public CObject {
 public:
  SampleValue() { ++s_live; }
  explicit SampleValue(std::int32_t value) : m_value(value) { ++s_live; }
  ~SampleValue() override { --s_live; }
  void Serialize(CArchive& ar) override;

  std::int32_t m_value = 0;
  UINT m_loadedSchema = 0;  // the archive's object schema while loading
  static int s_live;

  DECLARE_SERIAL(SampleValue)
};

// Serializable with schema 1, derived from SampleValue.
class SampleDerived : public SampleValue {
 public:
  DECLARE_SERIAL(SampleDerived)
};

// Serializable with schema 2, loaded only: owns one object, archived before a
// tag.
class SampleHolder : public CObject {
 public:
  void Serialize(CArchive& ar) override;

  std::unique_ptr<CObject> m_child;
  std::int32_t m_tag = 0;

  DECLARE_SERIAL(SampleHolder)
};

}  // namespace fpgeom::test
