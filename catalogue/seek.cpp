#include "catalogue/seek.h"

#include <string>

#include "catalogue/lumo_doc.h"
#include "framework/text.h"

namespace {
bool NameContains(const std::string& name, const std::string& foldedText) {
    return FoldCase(name).find(foldedText) != std::string::npos;
}
}  // namespace

SeekResult SeekSearch(const CLumoDoc& doc, std::string_view text) {
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
        const SkyPoint& p = star->m_pos;
        r.found = true;
        r.star = star.get();
        r.target = {static_cast<float>(-p.z), static_cast<float>(p.y), static_cast<float>(p.x)};
        r.rightAscension = p.a;
        r.declination = p.b;
        return r;
    }
    return r;
}
