#include "sky/sky_texts.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/planet.h"
#include "catalogue/deep_sky.h"
#include "catalogue/star.h"
#include "framework/format.h"

namespace {

// Sign character, whole part and minutes of a value: the sign comes from the
// value itself, so -0.5 gives '-', 0 and 30.
void SplitSexagesimal(double value, char& sign, double& whole, double& minutes) {
    sign = value < 0 ? '-' : ' ';
    double a = std::fabs(value);
    whole = std::floor(a);
    minutes = (a - whole) * 60.0;
}
}  // namespace

std::string RightAscensionLine(double radians) {
    char sign;
    double h, m;
    SplitSexagesimal(radians * kRadToDeg * (1.0 / 15.0), sign, h, m);
    return Format("Right ascension: %c%.0fh %.3fm", sign, h, m);
}

std::string DeclinationLine(double radians) {
    char sign;
    double d, m;
    SplitSexagesimal(radians * kRadToDeg, sign, d, m);
    return Format("Declination: %c%.0f\u00ba %.3fm", sign, d, m);
}

std::vector<std::string> StarInfoLines(const CStar& s) {
    return {s.m_strName, Format("Magnitud: %f", double(s.m_fMagnitude)),
            Format("Type: %c", s.m_cType ? char(s.m_cType) : ' '),
            RightAscensionLine(s.m_pos.a), DeclinationLine(s.m_pos.b)};
}

std::vector<std::string> DeepSkyInfoLines(const DeepSkyObject& o) {
    std::vector<std::string> lines;
    lines.push_back(o.other.empty() ? o.designation : o.designation + " (" + o.other + ")");
    if (!o.name.empty()) lines.push_back(o.name);
    lines.push_back(Format("Type: %s", KindInWords(o.kind)));
    lines.push_back(o.HasMagnitude() ? Format("Magnitud: %.2f", double(o.magnitude)) : "Magnitud: none");
    if (o.majorArcmin <= 0)
        lines.push_back("Size: unknown");
    else if (o.minorArcmin < o.majorArcmin)
        lines.push_back(Format("Size: %.1f' x %.1f'", double(o.majorArcmin), double(o.minorArcmin)));
    else
        lines.push_back(Format("Size: %.1f'", double(o.majorArcmin)));
    lines.push_back(RightAscensionLine(o.pos.a));
    lines.push_back(DeclinationLine(o.pos.b));
    return lines;
}

std::vector<std::string> PlanetInfoLines(const CPlanet& p) {
    return {Format("Name: %s", p.m_strName.c_str()),
            Format("Delta rotation: %f", double(p.m_fDeltaRotation)),
            Format("Radius: %f", double(p.m_fRadius)),
            Format("Rotation: %f", double(p.m_fInclination)),
            Format("Degrees: %f", double(p.m_fRotationRate)),
            Format("Orbital period: %f", double(p.m_fOrbitalPeriod)),
            "Inclination:",
            Format("Ascending Node: %f", double(p.m_fAscendingNode)),
            Format("Perihelion: %f", double(p.m_fPerihelion)),
            Format("Mean distance: %f", double(p.m_fMeanDistance)),
            Format("Eccentricity: %f", double(p.m_fEccentricity))};
}
