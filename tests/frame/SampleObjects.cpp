#include "frame/SampleObjects.h"

namespace fpgeom::test {

int SampleValue::s_live = 0;

void SampleValue::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << m_value;
    return;
  }
  m_loadedSchema = ar.GetObjectSchema();
  ar >> m_value;
}

void SampleHolder::Serialize(CArchive& ar) {
  m_child.reset(ar.ReadObject(nullptr));
  ar >> m_tag;
}

IMPLEMENT_SERIAL(SampleValue, CObject, 3)
IMPLEMENT_SERIAL(SampleDerived, SampleValue, 1)
IMPLEMENT_SERIAL(SampleHolder, CObject, 2)

}  // namespace fpgeom::test
