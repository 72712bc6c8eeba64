#pragma once
// The archive: a loading or storing stream of little-endian scalars, archived
// strings and persistent-object records, in the layout of our data files.
//
// Loading works on a byte span the caller owns; it never reads past the span.
// Any malformed input makes the archive fail: the first failure's message is
// kept, later reads return zeros, and the caller checks Failed() at the end.
// Storing appends to an internal buffer that the caller writes out.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/object.h"

class CArchive {
public:
    // A loading archive over bytes that must outlive it.
    explicit CArchive(std::span<const uint8_t> bytes);
    // A storing archive.
    CArchive();

    bool IsLoading() const { return m_loading; }
    bool IsStoring() const { return !m_loading; }

    // ---- storing ----
    void WriteU8(uint8_t v);
    void WriteU16(uint16_t v);
    void WriteU32(uint32_t v);
    void WriteI32(int32_t v) { WriteU32(static_cast<uint32_t>(v)); }
    void WriteF32(float v);
    void WriteF64(double v);
    void WriteBytes(const void* data, size_t n);
    // Archived string: marker FF FE FF, length (1, 3 or 7 bytes), UTF-16LE.
    void WriteString(const std::string& utf8);
    // Object record: class tag (new class record or class index), then Serialize.
    void WriteObject(CObject& obj);
    const std::vector<uint8_t>& Buffer() const { return m_out; }

    // ---- loading ----
    uint8_t ReadU8();
    uint16_t ReadU16();
    uint32_t ReadU32();
    int32_t ReadI32() { return static_cast<int32_t>(ReadU32()); }
    float ReadF32();
    double ReadF64();
    bool ReadBytes(void* data, size_t n);
    // Reads either string form (UTF-16 after the marker, or 8-bit characters).
    std::string ReadString();
    // Reads one object record of exactly the expected class (schema checked).
    // Returns a new object owned by the caller, or nullptr with the archive failed.
    CObject* ReadObject(const CRuntimeClass* expected);
    // Fails the archive unless count elements of at least minBytes each fit
    // in what remains: call before allocating for a count read from the bytes.
    bool CheckCount(uint64_t count, size_t minBytes, const char* what);

    size_t Position() const { return m_pos; }
    size_t Remaining() const { return m_in.size() - m_pos; }

    // Symmetric exchange for Serialize: writes when storing, reads when loading.
    void Exchange(uint8_t& v) { m_loading ? void(v = ReadU8()) : WriteU8(v); }
    void Exchange(int32_t& v) { m_loading ? void(v = ReadI32()) : WriteI32(v); }
    void Exchange(uint32_t& v) { m_loading ? void(v = ReadU32()) : WriteU32(v); }
    void Exchange(float& v) { m_loading ? void(v = ReadF32()) : WriteF32(v); }
    void Exchange(double& v) { m_loading ? void(v = ReadF64()) : WriteF64(v); }
    void Exchange(std::string& v) { m_loading ? void(v = ReadString()) : WriteString(v); }

    bool Failed() const { return m_failed; }
    const std::string& Error() const { return m_error; }
    // Marks the archive failed; the first message (with its byte offset) is kept.
    void Fail(const std::string& message);

private:
    bool Take(size_t n);  // checks n bytes remain, fails otherwise
    uint32_t ReadStringLength(bool& wide);

    bool m_loading;
    std::span<const uint8_t> m_in;
    size_t m_pos = 0;
    std::vector<uint8_t> m_out;
    bool m_failed = false;
    std::string m_error;

    // Running map index: 1 is the first class or object; 0 stands for null.
    uint32_t m_mapCount = 1;
    std::unordered_map<const CRuntimeClass*, uint32_t> m_storeClasses;
    std::vector<const CRuntimeClass*> m_loadMap;  // class entries; nullptr for objects
};

// Tags of object records.
constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassTag = 0x8000;
constexpr uint16_t kBigObjectTag = 0x7FFF;
constexpr uint32_t kBigClassTag = 0x80000000u;
