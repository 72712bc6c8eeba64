#include "framework/archive.h"

#include <cstring>

#include "framework/text.h"

CArchive::CArchive(std::span<const uint8_t> bytes) : m_loading(true), m_in(bytes) {
    m_loadMap.push_back(nullptr);  // index 0: null
}

CArchive::CArchive() : m_loading(false) {}

void CArchive::Fail(const std::string& message) {
    if (m_failed) return;
    m_failed = true;
    m_error = message + " (at byte " + std::to_string(m_pos) + ")";
}

// ---- storing ----

void CArchive::WriteU8(uint8_t v) { m_out.push_back(v); }

void CArchive::WriteU16(uint16_t v) {
    m_out.push_back(static_cast<uint8_t>(v));
    m_out.push_back(static_cast<uint8_t>(v >> 8));
}

void CArchive::WriteU32(uint32_t v) {
    for (int i = 0; i < 4; ++i) m_out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void CArchive::WriteF32(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    WriteU32(bits);
}

void CArchive::WriteF64(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    WriteU32(static_cast<uint32_t>(bits));
    WriteU32(static_cast<uint32_t>(bits >> 32));
}

void CArchive::WriteBytes(const void* data, size_t n) {
    const auto* p = static_cast<const uint8_t*>(data);
    m_out.insert(m_out.end(), p, p + n);
}

void CArchive::WriteString(const std::string& utf8) {
    std::u16string wide = Utf8ToUtf16(utf8);
    size_t n = wide.size();
    WriteU8(0xFF);  // marker: FF, then FFFE
    WriteU16(0xFFFE);
    if (n < 0xFF) {
        WriteU8(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteU8(0xFF);
        WriteU16(static_cast<uint16_t>(n));
    } else {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(static_cast<uint32_t>(n));
    }
    for (char16_t c : wide) WriteU16(static_cast<uint16_t>(c));
}

void CArchive::WriteObject(CObject& obj) {
    const CRuntimeClass* cls = obj.GetRuntimeClass();
    auto it = m_storeClasses.find(cls);
    if (it == m_storeClasses.end()) {
        WriteU16(kNewClassTag);
        WriteU16(cls->m_wSchema);
        size_t len = std::strlen(cls->m_lpszClassName);
        WriteU16(static_cast<uint16_t>(len));
        WriteBytes(cls->m_lpszClassName, len);
        m_storeClasses.emplace(cls, m_mapCount++);
    } else if (it->second < kBigObjectTag) {
        WriteU16(static_cast<uint16_t>(kClassTag | it->second));
    } else {
        WriteU16(kBigObjectTag);
        WriteU32(kBigClassTag | it->second);
    }
    m_mapCount++;  // the object itself takes the next index
    obj.Serialize(*this);
}

// ---- loading ----

bool CArchive::Take(size_t n) {
    if (m_failed) return false;
    if (n > Remaining()) {
        Fail("unexpected end of file");
        return false;
    }
    return true;
}

uint8_t CArchive::ReadU8() {
    if (!Take(1)) return 0;
    return m_in[m_pos++];
}

uint16_t CArchive::ReadU16() {
    if (!Take(2)) return 0;
    uint16_t v = static_cast<uint16_t>(m_in[m_pos] | (m_in[m_pos + 1] << 8));
    m_pos += 2;
    return v;
}

uint32_t CArchive::ReadU32() {
    if (!Take(4)) return 0;
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | m_in[m_pos + i];
    m_pos += 4;
    return v;
}

float CArchive::ReadF32() {
    uint32_t bits = ReadU32();
    float v;
    std::memcpy(&v, &bits, 4);
    return v;
}

double CArchive::ReadF64() {
    uint64_t lo = ReadU32();
    uint64_t hi = ReadU32();
    uint64_t bits = lo | (hi << 32);
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

bool CArchive::ReadBytes(void* data, size_t n) {
    if (!Take(n)) {
        std::memset(data, 0, n);
        return false;
    }
    std::memcpy(data, m_in.data() + m_pos, n);
    m_pos += n;
    return true;
}

uint32_t CArchive::ReadStringLength(bool& wide) {
    wide = false;
    for (int pass = 0; pass < 2; ++pass) {
        uint8_t b = ReadU8();
        if (b < 0xFF) return b;
        uint16_t w = ReadU16();
        if (w == 0xFFFE) {
            if (wide) break;  // a second marker is not a length
            wide = true;
            continue;
        }
        if (w < 0xFFFF) return w;
        return ReadU32();
    }
    Fail("malformed string length");
    return 0;
}

std::string CArchive::ReadString() {
    bool wide = false;
    uint32_t n = ReadStringLength(wide);
    if (m_failed) return {};
    uint64_t bytes = wide ? uint64_t(n) * 2 : n;
    if (bytes > Remaining()) {
        Fail("string of " + std::to_string(n) + " characters runs past the end of file");
        return {};
    }
    const uint8_t* p = m_in.data() + m_pos;
    m_pos += bytes;
    if (!wide) return Latin1ToUtf8(std::string_view(reinterpret_cast<const char*>(p), n));
    std::u16string s(n, u'\0');
    for (uint32_t i = 0; i < n; ++i) s[i] = static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
    return Utf16ToUtf8(s);
}

bool CArchive::CheckCount(uint64_t count, size_t minBytes, const char* what) {
    if (m_failed) return false;
    if (minBytes == 0) minBytes = 1;
    if (count > Remaining() / minBytes) {
        Fail(std::string("count of ") + what + " (" + std::to_string(count) +
             ") is larger than the file");
        return false;
    }
    return true;
}

CObject* CArchive::ReadObject(const CRuntimeClass* expected) {
    uint16_t tag = ReadU16();
    if (m_failed) return nullptr;
    const CRuntimeClass* cls = nullptr;
    if (tag == kNewClassTag) {
        uint16_t schema = ReadU16();
        uint16_t len = ReadU16();
        if (!Take(len)) return nullptr;
        std::string name(reinterpret_cast<const char*>(m_in.data() + m_pos), len);
        m_pos += len;
        cls = CRuntimeClass::FromName(name.data(), len);
        if (!cls || cls != expected) {
            Fail("found class '" + name + "' where '" + expected->m_lpszClassName +
                 "' was expected");
            return nullptr;
        }
        if (schema != cls->m_wSchema) {
            Fail("class '" + name + "' has schema " + std::to_string(schema) + ", expected " +
                 std::to_string(cls->m_wSchema));
            return nullptr;
        }
        m_loadMap.push_back(cls);
    } else {
        uint32_t index;
        if (tag == kBigObjectTag) {
            uint32_t big = ReadU32();
            if (m_failed) return nullptr;
            if (!(big & kBigClassTag)) {
                Fail("unexpected object reference");
                return nullptr;
            }
            index = big & ~kBigClassTag;
        } else if (tag & kClassTag) {
            index = tag & ~kClassTag;
        } else {
            Fail(tag == 0 ? "unexpected null object" : "unexpected object reference");
            return nullptr;
        }
        if (index >= m_loadMap.size() || m_loadMap[index] == nullptr) {
            Fail("class index " + std::to_string(index) + " is not a known class");
            return nullptr;
        }
        cls = m_loadMap[index];
        if (cls != expected) {
            Fail(std::string("found class '") + cls->m_lpszClassName + "' where '" +
                 expected->m_lpszClassName + "' was expected");
            return nullptr;
        }
    }
    CObject* obj = cls->CreateObject();
    m_loadMap.push_back(nullptr);  // the object's own map entry
    obj->Serialize(*this);
    if (m_failed) {
        delete obj;
        return nullptr;
    }
    return obj;
}
