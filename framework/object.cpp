#include "framework/object.h"

#include <cstring>

namespace {
CRuntimeClass*& FirstClass() {
    static CRuntimeClass* first = nullptr;
    return first;
}
}  // namespace

ClassRegistrar::ClassRegistrar(CRuntimeClass* cls) {
    cls->m_pNextClass = FirstClass();
    FirstClass() = cls;
}

CObject* CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* name, int length) {
    for (const CRuntimeClass* c = FirstClass(); c; c = c->m_pNextClass) {
        if (static_cast<int>(std::strlen(c->m_lpszClassName)) == length &&
            std::memcmp(c->m_lpszClassName, name, length) == 0)
            return c;
    }
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(const char* name) {
    const CRuntimeClass* c = FromName(name, static_cast<int>(std::strlen(name)));
    return c ? c->CreateObject() : nullptr;
}
