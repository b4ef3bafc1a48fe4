#include "ObjectModel.h"

#include <cstring>
#include <mutex>
#include <new>

#include "Exceptions.h"

namespace {

// Registered classes, newest first. Both are constant-initialised, so
// registrations made during static initialisation in any order are safe.
CRuntimeClass* registeredClasses = nullptr;
std::mutex registryLock;

}  // namespace

RuntimeClassRegistration::RuntimeClassRegistration(CRuntimeClass* runtimeClass) {
    std::lock_guard<std::mutex> hold(registryLock);
    runtimeClass->m_pNextClass = registeredClasses;
    registeredClasses = runtimeClass;
}

CObject* CRuntimeClass::CreateObject() const {
    if (m_pfnCreateObject == nullptr) return nullptr;
    try {
        return m_pfnCreateObject();
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
}

CObject* CRuntimeClass::CreateObjectOfKind(const CRuntimeClass* required) const {
    if (!IsDerivedFrom(required)) {
        ASSERT(FALSE);  // the class is not of the kind the caller makes
        return nullptr;
    }
    return CreateObject();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* at = this; at != nullptr; at = at->m_pBaseClass)
        if (at == base) return TRUE;
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR className) {
    if (className == nullptr) return nullptr;
    std::lock_guard<std::mutex> hold(registryLock);
    for (CRuntimeClass* at = registeredClasses; at != nullptr; at = at->m_pNextClass)
        if (strcmp(at->m_lpszClassName, className) == 0) return at;
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR className) {
    CRuntimeClass* found = FromName(className);
    return found ? found->CreateObject() : nullptr;
}

CRuntimeClass CObject::runtimeClassCObject = {"CObject", sizeof(CObject), kNoSchema,
                                              nullptr,   nullptr,         nullptr};
static const RuntimeClassRegistration registrationCObject(RUNTIME_CLASS(CObject));

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsKindOf(const CRuntimeClass* runtimeClass) const {
    return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != kNoSchema; }

void CObject::Serialize(CArchive&) {}

void CObject::AssertValid() const {}
