#include "tools/deepsky_builder.h"

#include <cmath>
#include <limits>

#include "astro/angles.h"
#include "catalogue/deep_sky.h"
#include "framework/file.h"
#include "tools/tsv.h"

namespace {
bool ReadObjects(const std::string& dir, CDeepSky& sky, std::string& error) {
    TsvTable t;
    if (!t.Load(JoinPath(dir, "deepsky.tsv"), error)) return false;
    for (size_t r = 0; r < t.Rows(); ++r) {
        DeepSkyObject o;
        o.designation = t.Text(r, "designation");
        o.other = t.Text(r, "other");
        o.name = t.Text(r, "name");
        o.kind = KindOfCode(t.Text(r, "type"));
        double mag = std::numeric_limits<double>::quiet_NaN(), major, minor, ra, dec;
        if (!t.Text(r, "mag").empty() && !t.Number(r, "mag", mag, error)) return false;
        if (!t.Number(r, "major_arcmin", major, error) || !t.Number(r, "minor_arcmin", minor, error) ||
            !t.Number(r, "ra_deg", ra, error) || !t.Number(r, "dec_deg", dec, error))
            return false;
        o.magnitude = static_cast<float>(mag);
        o.majorArcmin = static_cast<float>(major);
        o.minorArcmin = static_cast<float>(minor);
        o.pos = DeepSkyPoint(ra * kDegToRad, dec * kDegToRad);
        sky.objects.push_back(std::move(o));
    }
    return true;
}

bool ReadRings(const std::string& dir, CDeepSky& sky, std::string& error) {
    TsvTable t;
    if (!t.Load(JoinPath(dir, "milkyway.tsv"), error)) return false;
    std::string lastRing;
    for (size_t r = 0; r < t.Rows(); ++r) {
        double level, ra, dec;
        if (!t.Number(r, "level", level, error) || !t.Number(r, "ra_deg", ra, error) ||
            !t.Number(r, "dec_deg", dec, error))
            return false;
        if (sky.rings.empty() || t.Text(r, "ring") != lastRing) {
            sky.rings.emplace_back();
            sky.rings.back().level = static_cast<int32_t>(level);
            lastRing = t.Text(r, "ring");
        }
        sky.rings.back().points.push_back(
            {static_cast<float>(ra * kDegToRad), static_cast<float>(dec * kDegToRad)});
    }
    return true;
}
}  // namespace

bool BuildDeepSky(const std::string& dataDir, CDeepSky& sky, std::string& error) {
    if (!ReadObjects(dataDir, sky, error) || !ReadRings(dataDir, sky, error)) return false;
    sky.Finish();
    // What is written is read back, so a source that makes a file the
    // program would refuse fails the build here.
    CDeepSky check;
    if (!check.LoadFrom(sky.StoreToBytes(), error)) return false;
    return true;
}
