#pragma once
// Persistent objects: run-time class information and creation by class name.
// A persisted class declares LUMO_DECLARE_SERIAL in its body and
// LUMO_IMPLEMENT_SERIAL(Class, schema) in its source file; the archive then
// writes its class record and recreates it by name when loading.

#include <cstdint>

class CArchive;
class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    uint16_t m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* m_pNextClass;  // registry chain, built at static start-up

    // Creates an object of this class, or nullptr if it cannot be created by name.
    CObject* CreateObject() const;
    // Finds a registered class by its exact name; nullptr when unknown.
    static const CRuntimeClass* FromName(const char* name, int length);
    // Creates an object of the registered class of that name; nullptr when unknown.
    static CObject* CreateObject(const char* name);
};

// Adds a class to the registry; used by LUMO_IMPLEMENT_SERIAL.
struct ClassRegistrar {
    explicit ClassRegistrar(CRuntimeClass* cls);
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const { return nullptr; }
    virtual void Serialize(CArchive&) {}
};

#define LUMO_DECLARE_SERIAL(Class)                              \
public:                                                         \
    static CRuntimeClass class##Class;                          \
    static CObject* CreateObject() { return new Class; }        \
    const CRuntimeClass* GetRuntimeClass() const override {     \
        return &class##Class;                                   \
    }

#define LUMO_IMPLEMENT_SERIAL(Class, schema)                                   \
    CRuntimeClass Class::class##Class = {#Class, sizeof(Class), schema,         \
                                         &Class::CreateObject, nullptr};        \
    static ClassRegistrar registrar##Class(&Class::class##Class);
