// CObject, the root of every framework and geometry class, and CRuntimeClass,
// the per-class record behind creation by name, kind tests and archives.
// Classes registered at load (IMPLEMENT_SERIAL) can be found by name.
#pragma once

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/WinTypes.h"

#include <cstddef>
#include <iosfwd>

class CObject;
class CArchive;

struct FPGEOM_API CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;  // 0xFFFF: the class has no archive schema
  CObject* (*m_pfnCreateObject)();
  const CRuntimeClass* m_pBaseClass;
  CRuntimeClass* m_pNextClass;  // the registry's link, set by registration

  // A new default-constructed object owned by the caller, or null when the
  // class cannot be created.
  CObject* CreateObject() const;
  bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

  // Classes registered at load, looked up by their stored name.
  static const CRuntimeClass* FromName(const char* lpszClassName);
  static CObject* CreateObject(const char* lpszClassName);
};

// Adds a class to the registry for as long as the object lives; one static
// instance per serializable class does it at load.
struct FPGEOM_API AFX_CLASSINIT {
  explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
  ~AFX_CLASSINIT();
  AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
  AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;

 private:
  CRuntimeClass* m_pClass;
};

FPGEOM_API void AfxClassInit(CRuntimeClass* pNewClass);

class FPGEOM_API CObject {
 public:
  // Virtual operations in the framework's slot order.
  virtual CRuntimeClass* GetRuntimeClass() const;
  virtual ~CObject();
  virtual void Serialize(CArchive& ar);
  virtual void AssertValid() const;
  virtual void Dump(std::ostream& out) const;

  bool IsKindOf(const CRuntimeClass* pClass) const;
  bool IsSerializable() const;

  // Objects are allocated as usual, placement included. An archive that
  // clears a failed record hears of each object deleted meanwhile, so that it
  // deletes none twice; a class that frees its objects itself must end in
  // CObject's operator delete.
  static void* operator new(std::size_t nSize);
  static void* operator new(std::size_t, void* pPlace) noexcept { return pPlace; }
  static void operator delete(void* pObject) noexcept;
  static void operator delete(void*, void*) noexcept {}

  static CRuntimeClass classCObject;
  static CRuntimeClass* GetThisClass();

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                 \
 public:                                            \
  static CRuntimeClass class##class_name;           \
  static CRuntimeClass* GetThisClass();             \
  CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define FPGEOM_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)             \
  CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class_name), wSchema, pfnNew, \
                                                 RUNTIME_CLASS(base_class_name), nullptr};       \
  CRuntimeClass* class_name::GetThisClass() { return RUNTIME_CLASS(class_name); }                 \
  CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  FPGEOM_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                     \
  CObject* class_name::CreateObject() { return new class_name; }             \
  FPGEOM_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

// Creatable, with an archive schema, and registered at load so that archives
// can name it.
#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                      \
  CObject* class_name::CreateObject() { return new class_name; }                    \
  FPGEOM_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject) \
  static const AFX_CLASSINIT fpgeomClassInit##class_name(RUNTIME_CLASS(class_name));
