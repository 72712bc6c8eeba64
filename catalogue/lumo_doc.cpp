#include "catalogue/lumo_doc.h"

#include "astro/body_table.h"
#include "astro/reference_lines.h"
#include "framework/archive.h"

namespace {
// The smallest records possible, to check counts against the bytes left:
// a star is a 2-byte tag, a 1-byte empty name and 57 bytes; a city a tag, a
// name and two floats; a label a point and a name.
constexpr size_t kMinStarBytes = 2 + 1 + 57;
constexpr size_t kMinCityBytes = 2 + 1 + 8;
constexpr size_t kMinLabelBytes = kSkyPointBytes + 1;

template <class T>
bool ReadObjects(CArchive& ar, const CRuntimeClass* cls, std::vector<std::unique_ptr<T>>& out,
                 size_t minBytes, const char* what) {
    uint32_t n = ar.ReadU32();
    if (!ar.CheckCount(n, minBytes, what)) return false;
    out.reserve(n);
    for (uint32_t i = 0; i < n; ++i) {
        CObject* obj = ar.ReadObject(cls);
        if (!obj) return false;
        out.emplace_back(static_cast<T*>(obj));
    }
    return true;
}

template <class T>
bool ReadValues(CArchive& ar, std::vector<T>& out, size_t minBytes, const char* what) {
    uint32_t n = ar.ReadU32();
    if (!ar.CheckCount(n, minBytes, what)) return false;
    out.resize(n);
    for (T& v : out) v.Serialize(ar);
    return !ar.Failed();
}

template <class T>
void WriteObjects(CArchive& ar, std::vector<std::unique_ptr<T>>& items) {
    ar.WriteU32(static_cast<uint32_t>(items.size()));
    for (auto& p : items) ar.WriteObject(*p);
}

template <class T>
void WriteValues(CArchive& ar, std::vector<T>& items) {
    ar.WriteU32(static_cast<uint32_t>(items.size()));
    for (T& v : items) v.Serialize(ar);
}

// The 18 settings values, in file order.
void ExchangeSettings(CArchive& ar, CLumoDoc& d) {
    for (int32_t* p : {&d.m_bGrid, &d.m_bEcliptic, &d.m_bHorizon, &d.m_bObserverOnBody,
                       &d.m_bLocalCircles, &d.m_bGround, &d.m_bFigures, &d.m_bConstNames,
                       &d.m_bBounds, &d.m_nZoom})
        ar.Exchange(*p);
    for (float* p : {&d.m_fLatitude, &d.m_fLongitude, &d.m_fGridStep, &d.m_fMagLimit,
                     &d.m_fNameLimit})
        ar.Exchange(*p);
    for (int32_t* p : {&d.m_nViewElevation, &d.m_nViewAzimuth, &d.m_nViewMode}) ar.Exchange(*p);
}

// What a load reads, held apart until the whole file has been read.
struct Persisted {
    std::vector<std::unique_ptr<CStar>> m_stars;
    std::vector<CSkyLine> m_figures, m_bounds;
    std::vector<CSkyLabel> m_labels;
    std::vector<std::unique_ptr<CLocalizacion>> m_cities;
};
}  // namespace

// The bodies first: they set the ecliptic matrix that the ecliptic line uses.
CLumoDoc::CLumoDoc() {
    BuildBodyTable(m_planets, m_eclipticMatrix);
    BuildReferenceLines(m_gridLines, m_eclipticLines, m_fGridStep, m_eclipticMatrix, 30);
}

void CLumoDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        WriteObjects(ar, m_stars);
        WriteValues(ar, m_figures);
        WriteValues(ar, m_bounds);
        WriteValues(ar, m_labels);
        WriteObjects(ar, m_cities);
        ExchangeSettings(ar, *this);
        return;
    }
    Persisted p;
    bool ok = ReadObjects(ar, &CStar::classCStar, p.m_stars, kMinStarBytes, "stars") &&
              ReadValues(ar, p.m_figures, kSkyLineBytes, "figure lines") &&
              ReadValues(ar, p.m_bounds, kSkyLineBytes, "boundary lines") &&
              ReadValues(ar, p.m_labels, kMinLabelBytes, "labels") &&
              ReadObjects(ar, &CLocalizacion::classCLocalizacion, p.m_cities, kMinCityBytes, "cities");
    if (!ok) return;
    // Settings are read straight into the members; a copy taken first puts
    // them back when the file ends early.
    CArchive saved;
    ExchangeSettings(saved, *this);
    ExchangeSettings(ar, *this);
    if (ar.Failed()) {
        CArchive restore(saved.Buffer());
        ExchangeSettings(restore, *this);
        return;
    }
    m_stars = std::move(p.m_stars);
    m_figures = std::move(p.m_figures);
    m_bounds = std::move(p.m_bounds);
    m_labels = std::move(p.m_labels);
    m_cities = std::move(p.m_cities);
}

bool CLumoDoc::LoadFrom(std::span<const uint8_t> bytes, std::string& error) {
    CArchive ar(bytes);
    Serialize(ar);
    if (ar.Failed()) {
        error = ar.Error();
        return false;
    }
    return true;
}

std::vector<uint8_t> CLumoDoc::StoreToBytes() {
    CArchive ar;
    Serialize(ar);
    return ar.Buffer();
}
