#include "tools/catalogue_builder.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/reference_lines.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"
#include "tools/tsv.h"

namespace {

// A sky point at right ascension ra and declination dec (radians), radius r.
SkyPoint PointAt(double ra, double dec, double r) {
    SkyPoint p;
    p.a = static_cast<float>(ra);
    p.b = static_cast<float>(dec);
    MakeSkyPoint(p, r);
    return p;
}

struct Reader {
    TsvTable table;
    std::string& error;
    bool Open(const std::string& dir, const char* name) {
        return table.Load(JoinPath(dir, name), error);
    }
    bool Deg(size_t r, const char* col, double& rad) {
        double deg;
        if (!table.Number(r, col, deg, error)) return false;
        rad = deg * kDegToRad;
        return true;
    }
    bool Point(size_t r, const char* raCol, const char* decCol, SkyPoint& p) {
        double ra, dec;
        if (!Deg(r, raCol, ra) || !Deg(r, decCol, dec)) return false;
        p = PointAt(ra, dec, kCatalogueRadius);
        return true;
    }
    bool Lines(const std::string& dir, const char* name, std::vector<CSkyLine>& out) {
        if (!Open(dir, name)) return false;
        for (size_t r = 0; r < table.Rows(); ++r) {
            CSkyLine line;
            if (!Point(r, "ra1_deg", "dec1_deg", line.m_start) ||
                !Point(r, "ra2_deg", "dec2_deg", line.m_end))
                return false;
            out.push_back(line);
        }
        return true;
    }
};

bool ReadStars(const std::string& dir, CLumoDoc& doc, std::string& error) {
    Reader in{{}, error};
    if (!in.Open(dir, "stars.tsv")) return false;
    for (size_t r = 0; r < in.table.Rows(); ++r) {
        auto star = std::make_unique<CStar>();
        double mag;
        if (!in.Point(r, "ra_deg", "dec_deg", star->m_pos) ||
            !in.table.Number(r, "mag", mag, error))
            return false;
        star->m_strName = in.table.Text(r, "name");
        star->m_fMagnitude = static_cast<float>(mag);
        const std::string& type = in.table.Text(r, "type");
        star->m_cType = type.empty() ? '?' : static_cast<uint8_t>(type[0]);
        doc.m_stars.push_back(std::move(star));
    }
    // Brightest first; the sky painting stops at the first star too faint.
    std::stable_sort(doc.m_stars.begin(), doc.m_stars.end(),
                     [](const auto& a, const auto& b) { return a->m_fMagnitude < b->m_fMagnitude; });
    return true;
}

bool ReadLabels(const std::string& dir, CLumoDoc& doc, std::string& error) {
    Reader in{{}, error};
    if (!in.Open(dir, "labels.tsv")) return false;
    for (size_t r = 0; r < in.table.Rows(); ++r) {
        CSkyLabel label;
        if (!in.Point(r, "ra_deg", "dec_deg", label.m_pos)) return false;
        label.m_strName = in.table.Text(r, "name");
        doc.m_labels.push_back(label);
    }
    return true;
}

bool ReadCities(const std::string& dir, CLumoDoc& doc, std::string& error) {
    Reader in{{}, error};
    if (!in.Open(dir, "cities.tsv")) return false;
    for (size_t r = 0; r < in.table.Rows(); ++r) {
        auto city = std::make_unique<CLocalizacion>();
        double lat, lon;
        if (!in.Deg(r, "lat_deg", lat) || !in.Deg(r, "lon_deg", lon)) return false;
        city->m_strName = in.table.Text(r, "name");
        city->m_fLatitude = static_cast<float>(lat);
        city->m_fLongitude = static_cast<float>(lon);
        doc.m_cities.push_back(std::move(city));
    }
    return true;
}
}  // namespace

bool BuildCatalogue(const std::string& dir, CLumoDoc& doc, std::string& error) {
    Reader lines{{}, error};
    return ReadStars(dir, doc, error) && lines.Lines(dir, "figures.tsv", doc.m_figures) &&
           lines.Lines(dir, "bounds.tsv", doc.m_bounds) && ReadLabels(dir, doc, error) &&
           ReadCities(dir, doc, error);
}
