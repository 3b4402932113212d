#include "fpgeom/frame/Object.h"

#include <cstring>
#include <new>

#include "frame/DeletionWatch.h"

namespace {

// The registry of classes registered at load: an intrusive chain through
// m_pNextClass. Zero-initialised, so registration from any static initialiser
// finds it ready.
CRuntimeClass* g_firstRegisteredClass = nullptr;

}  // namespace

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr, nullptr};

CRuntimeClass* CObject::GetThisClass() { return RUNTIME_CLASS(CObject); }
CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }
CObject::~CObject() = default;

void* CObject::operator new(std::size_t nSize) { return ::operator new(nSize); }

void CObject::operator delete(void* pObject) noexcept {
  fpgeom::detail::DeletionWatch::Deleted(static_cast<const CObject*>(pObject));
  ::operator delete(pObject);
}

void CObject::Serialize(CArchive&) {}
void CObject::AssertValid() const {}
void CObject::Dump(std::ostream&) const {}

bool CObject::IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

bool CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }

CObject* CRuntimeClass::CreateObject() const { return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr; }

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  for (const CRuntimeClass* cls = this; cls != nullptr; cls = cls->m_pBaseClass) {
    if (cls == pBaseClass) return true;
  }
  return false;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* lpszClassName) {
  if (lpszClassName == nullptr) return nullptr;
  for (const CRuntimeClass* cls = g_firstRegisteredClass; cls != nullptr; cls = cls->m_pNextClass) {
    if (std::strcmp(cls->m_lpszClassName, lpszClassName) == 0) return cls;
  }
  return nullptr;
}

CObject* CRuntimeClass::CreateObject(const char* lpszClassName) {
  const CRuntimeClass* cls = FromName(lpszClassName);
  return cls != nullptr ? cls->CreateObject() : nullptr;
}

void AfxClassInit(CRuntimeClass* pNewClass) {
  for (const CRuntimeClass* cls = g_firstRegisteredClass; cls != nullptr; cls = cls->m_pNextClass) {
    if (cls == pNewClass) return;
  }
  pNewClass->m_pNextClass = g_firstRegisteredClass;
  g_firstRegisteredClass = pNewClass;
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) : m_pClass(pNewClass) { AfxClassInit(pNewClass); }

// A module that registered classes and is unloaded takes them out again, so
// the registry never points into unmapped memory.
AFX_CLASSINIT::~AFX_CLASSINIT() {
  CRuntimeClass** link = &g_firstRegisteredClass;
  while (*link != nullptr && *link != m_pClass) link = &(*link)->m_pNextClass;
  if (*link == m_pClass) *link = m_pClass->m_pNextClass;
}
