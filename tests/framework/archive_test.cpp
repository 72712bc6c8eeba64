#include <gtest/gtest.h>

#include "framework/archive.h"

namespace {

class CThing : public CObject {
    LUMO_DECLARE_SERIAL(CThing)
public:
    int32_t m_n = 0;
    void Serialize(CArchive& ar) override { ar.Exchange(m_n); }
};
LUMO_IMPLEMENT_SERIAL(CThing, 1)

class COther : public CObject {
    LUMO_DECLARE_SERIAL(COther)
public:
    void Serialize(CArchive&) override {}
};
LUMO_IMPLEMENT_SERIAL(COther, 2)

std::vector<uint8_t> Bytes(std::initializer_list<int> list) { return {list.begin(), list.end()}; }

std::string RoundTrip(const std::string& s) {
    CArchive out;
    out.WriteString(s);
    CArchive in(out.Buffer());
    std::string back = in.ReadString();
    EXPECT_TRUE(!in.Failed() && in.Remaining() == 0u) << s;
    return back;
}

TEST(Archive, ScalarsAreLittleEndian) {
    CArchive out;
    out.WriteU16(0x1234);
    out.WriteU32(0xA1B2C3D4);
    out.WriteF32(1.0f);
    out.WriteF64(-2.0);
    EXPECT_EQ(out.Buffer(), Bytes({0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1, 0, 0, 0x80, 0x3F, 0, 0, 0,
                                   0, 0, 0, 0, 0xC0}));
    CArchive in(out.Buffer());
    EXPECT_TRUE(in.ReadU16() == 0x1234 && in.ReadU32() == 0xA1B2C3D4u && in.ReadF32() == 1.0f);
    EXPECT_TRUE(in.ReadF64() == -2.0 && !in.Failed());
}

TEST(Archive, StringsUseTheMarkerAndTheThreeLengthForms) {
    CArchive out;
    out.WriteString("Sirius");
    EXPECT_EQ(out.Buffer(), Bytes({0xFF, 0xFE, 0xFF, 6, 'S', 0, 'i', 0, 'r', 0, 'i', 0, 'u', 0,
                                   's', 0}));
    // After the marker: one length byte, 0xFF then 16 bits, 0xFFFF then 32 bits.
    const std::pair<size_t, std::vector<uint8_t>> forms[] = {
        {254, Bytes({0xFE})}, {255, Bytes({0xFF, 0xFF, 0x00})},
        {0xFFFE, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0})}};
    for (const auto& [length, prefix] : forms) {
        const std::string text(length, 'a');
        CArchive form;
        form.WriteString(text);
        const std::vector<uint8_t>& b = form.Buffer();
        EXPECT_EQ(std::vector<uint8_t>(b.begin() + 3, b.begin() + 3 + prefix.size()), prefix);
        EXPECT_EQ(RoundTrip(text), text);
    }
    for (const std::string s : {"", "τ Phe", "Boötes 𝄞"}) EXPECT_EQ(RoundTrip(s), s);  // 𝄞: two units
    // The reader also takes eight-bit strings (ISO 8859-1).
    auto b = Bytes({5, 'L', 'y', 'r', 'a', 0xE9, 0xFF, 0x03, 0x01});
    b.resize(9 + 0x103, 'x');
    CArchive in(b);
    EXPECT_EQ(in.ReadString(), "Lyra\xC3\xA9");
    EXPECT_EQ(in.ReadString(), std::string(0x103, 'x'));
}

// A new class: 0xFFFF, its schema, its name; a known one: 0x8000 | its index,
// or 0x7FFF and 32 bits once the index reaches 0x7FFF.
TEST(Archive, ObjectRecordsCarryClassThenIndexTags) {
    CArchive out;
    CThing a, b;
    COther c;
    out.WriteObject(a);  // class 1, object 2
    out.WriteObject(b);  // object 3
    out.WriteObject(c);  // class 4, object 5
    out.WriteObject(c);
    const auto& buf = out.Buffer();
    EXPECT_EQ(std::vector<uint8_t>(buf.begin(), buf.begin() + 12),
              Bytes({0xFF, 0xFF, 1, 0, 6, 0, 'C', 'T', 'h', 'i', 'n', 'g'}));
    EXPECT_EQ(std::vector<uint8_t>(buf.end() - 2, buf.end()), Bytes({0x04, 0x80}));  // COther's
    CArchive in(buf);
    for (const CRuntimeClass* k : {&CThing::classCThing, &CThing::classCThing, &COther::classCOther,
                                   &COther::classCOther})
        EXPECT_NE(std::unique_ptr<CObject>(in.ReadObject(k)), nullptr) << in.Error();

    // After 0x7FFD COthers (one index each after their class's) CThing's
    // class gets index 0x7FFF.
    CArchive many;
    for (int i = 0; i < 0x7FFD; ++i) many.WriteObject(c);
    a.m_n = 7;
    many.WriteObject(a);
    many.WriteObject(a);
    const auto& tail = many.Buffer();
    EXPECT_EQ(std::vector<uint8_t>(tail.end() - 10, tail.end() - 4), Bytes({0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x80}));
    CArchive back(tail);
    for (int i = 0; i < 0x7FFD; ++i) delete back.ReadObject(&COther::classCOther);
    std::unique_ptr<CObject> first(back.ReadObject(&CThing::classCThing));
    std::unique_ptr<CObject> second(back.ReadObject(&CThing::classCThing));
    ASSERT_FALSE(back.Failed()) << back.Error();
    EXPECT_EQ(static_cast<CThing*>(second.get())->m_n, 7);
}

TEST(Archive, MalformedRecordsFailAndKeepTheFirstMessage) {
    const std::pair<const char*, std::vector<uint8_t>> cases[] = {
        {"wrong class", Bytes({0xFF, 0xFF, 2, 0, 6, 0, 'C', 'O', 't', 'h', 'e', 'r'})},
        {"unknown class", Bytes({0xFF, 0xFF, 1, 0, 3, 0, 'C', 'Z', 'z'})},
        {"schema 2", Bytes({0xFF, 0xFF, 2, 0, 6, 0, 'C', 'T', 'h', 'i', 'n', 'g', 0, 0, 0, 0})},
        {"null", Bytes({0, 0})},
        {"back reference", Bytes({5, 0})},
        {"unknown index", Bytes({0x09, 0x80})},
        {"long object reference", Bytes({0xFF, 0x7F, 1, 0, 0, 0})},
        {"name past the end", Bytes({0xFF, 0xFF, 1, 0, 60, 0, 'C'})},
        {"body past the end", Bytes({0xFF, 0xFF, 1, 0, 6, 0, 'C', 'T', 'h', 'i', 'n', 'g', 1})},
    };
    for (const auto& [what, bytes] : cases) {
        CArchive in(bytes);
        EXPECT_EQ(in.ReadObject(&CThing::classCThing), nullptr) << what;
        EXPECT_TRUE(in.Failed()) << what;
    }
    auto shortRead = Bytes({1, 2, 3});
    CArchive in(shortRead);
    EXPECT_EQ(in.ReadU32(), 0u);
    EXPECT_EQ(in.ReadU16(), 0u);  // later reads return zeros
    EXPECT_NE(in.Error().find("end of file"), std::string::npos);
    in.Fail("second");
    EXPECT_EQ(in.Error().find("second"), std::string::npos);
    // A string longer than the file; counts larger than it.
    auto longString = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0});
    CArchive strings(longString);
    EXPECT_EQ(strings.ReadString(), "");
    EXPECT_TRUE(strings.Failed());
    auto eight = Bytes({0, 0, 0, 0, 0, 0, 0, 0});
    CArchive counts(eight);
    EXPECT_TRUE(counts.CheckCount(2, 4, "things"));
    EXPECT_FALSE(counts.CheckCount(3, 4, "things"));
    EXPECT_NE(counts.Error().find("things"), std::string::npos);
    // Classes are created by their whole name.
    std::unique_ptr<CObject> o(CRuntimeClass::CreateObject("CThing"));
    EXPECT_EQ(o ? o->GetRuntimeClass() : nullptr, &CThing::classCThing);
    EXPECT_EQ(CRuntimeClass::CreateObject("CNothing"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CThinG"), nullptr);
}

}  // namespace
