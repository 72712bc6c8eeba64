#include "catalogue/seek.h"

#include <string>

#include "catalogue/deep_sky.h"
#include "catalogue/lumo_doc.h"
#include "framework/text.h"

namespace {
bool NameContains(const std::string& name, const std::string& foldedText) {
    return FoldCase(name).find(foldedText) != std::string::npos;
}

// A designation folded to one letter case, without its spaces.
std::string DesignationKey(std::string_view text) {
    std::string key = FoldCase(text);
    std::erase(key, ' ');
    return key;
}

bool IsDesignation(const std::string& designation, const std::string& key) {
    return !designation.empty() && DesignationKey(designation) == key;
}

void AimAtSkyPoint(const SkyPoint& p, SeekResult& r) {
    r.found = true;
    r.target = {static_cast<float>(-p.z), static_cast<float>(p.y), static_cast<float>(p.x)};
    r.rightAscension = p.a;
    r.declination = p.b;
}

// Designations first (an exact match says more than a part of a name).
const DeepSkyObject* SeekDeepSky(const CDeepSky& sky, std::string_view text) {
    const std::string key = DesignationKey(text);
    if (!key.empty())
        for (const DeepSkyObject& o : sky.objects)
            if (IsDesignation(o.designation, key) || IsDesignation(o.other, key)) return &o;
    const std::string folded = FoldCase(text);
    for (const DeepSkyObject& o : sky.objects)
        if (!o.name.empty() && NameContains(o.name, folded)) return &o;
    return nullptr;
}
}  // namespace

SeekResult SeekSearch(const CLumoDoc& doc, std::string_view text, const CDeepSky* deepSky) {
    SeekResult r;
    const std::string folded = FoldCase(text);
    for (const auto& body : doc.m_planets) {
        if (!NameContains(body->m_strName, folded)) continue;
        r.found = true;
        r.body = body.get();
        for (int k = 0; k < 3; ++k) r.target[k] = static_cast<float>(body->m_dPos[k]);
        return r;
    }
    for (const auto& star : doc.m_stars) {
        if (!NameContains(star->m_strName, folded)) continue;
        AimAtSkyPoint(star->m_pos, r);
        r.star = star.get();
        return r;
    }
    if (deepSky)
        if (const DeepSkyObject* o = SeekDeepSky(*deepSky, text)) AimAtSkyPoint(o->pos, r);
    return r;
}
