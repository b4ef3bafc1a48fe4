// The object model: CObject, run-time class records and the macros that give
// a class its record.
//
//   class CShape : public CObject { DECLARE_DYNCREATE(CShape) ... };
//   IMPLEMENT_DYNCREATE(CShape, CObject)
//   CObject* made = RUNTIME_CLASS(CShape)->CreateObject();
//   made->IsKindOf(RUNTIME_CLASS(CShape));
//
// DYNAMIC gives a class its record, DYNCREATE adds creation by record (the
// class needs a default constructor), SERIAL adds a schema number. Every
// record is also registered by name (CRuntimeClass::FromName).
#pragma once

#include <windows.h>

#include "Diagnostics.h"

class CObject;
class CArchive;

// Schema of a class that is not serialisable.
constexpr UINT kNoSchema = 0xFFFF;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                    // kNoSchema unless declared SERIAL
    CObject* (*m_pfnCreateObject)();   // null unless DYNCREATE or SERIAL
    CRuntimeClass* m_pBaseClass;       // null for CObject
    CRuntimeClass* m_pNextClass;       // the name registry's chain

    // A new object of this class, or null when the class is not creatable.
    // A failed allocation throws the framework's memory exception.
    CObject* CreateObject() const;
    // The same for a class that must derive from `required`: a class of
    // another kind is a programming error (asserted) and gives null.
    CObject* CreateObjectOfKind(const CRuntimeClass* required) const;
    BOOL IsDerivedFrom(const CRuntimeClass* base) const;

    // The registered class of that name, or null. Safe from any thread.
    static CRuntimeClass* FromName(LPCSTR className);
    static CObject* CreateObject(LPCSTR className);
};

// Adds a class record to the name registry (done by the IMPLEMENT macros).
struct RuntimeClassRegistration {
    explicit RuntimeClassRegistration(CRuntimeClass* runtimeClass);
};

#define RUNTIME_CLASS(class_name) (&class_name::runtimeClass##class_name)

#define DECLARE_DYNAMIC(class_name)                      \
public:                                                  \
    static CRuntimeClass runtimeClass##class_name;       \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, create)                \
    CRuntimeClass class_name::runtimeClass##class_name = {                                 \
        #class_name, sizeof(class class_name), (schema), (create),                         \
        RUNTIME_CLASS(base_class_name), nullptr};                                          \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); } \
    static const RuntimeClassRegistration registration##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, kNoSchema, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                      \
    CObject* class_name::CreateObject() { return new class_name; }           \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, kNoSchema, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, schema)                 \
    CObject* class_name::CreateObject() { return new class_name; }           \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, class_name::CreateObject)

class CObject {
public:
    static CRuntimeClass runtimeClassCObject;

    virtual ~CObject() = default;

    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* runtimeClass) const;
    BOOL IsSerializable() const;

    // Reads or writes the object's own data; the base has none.
    virtual void Serialize(CArchive& archive);
    // Checks the object's invariants (called by ASSERT_VALID in debug builds).
    virtual void AssertValid() const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
