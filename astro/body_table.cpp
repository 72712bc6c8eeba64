#include "astro/body_table.h"

#include "astro/angles.h"

namespace {
// One row of the table. Units as the record's fields: radius in Earth radii,
// inclination and rotation rate in degrees (per day), period in days, node
// and perihelion in radians, mean distance in AU (a moon: parent radii), mean
// motion in degrees per day, epoch longitude and axial tilt in degrees.
// Moons (theory 11) take their orbits from the mean-element table by name;
// their orbital columns here are only shown in the body's information.
struct BodyRow {
    const char* name;
    int parent;
    int theory;
    float radius;
    float shape[3];
    float inclination, rotationRate, orbitalPeriod, node, perihelion, meanDistance, meanMotion,
        eccentricity, epochLongitude, axialTilt;
};

// clang-format off
constexpr BodyRow kBodies[kBodyCount] = {
    //  name      par th  radius     shape              incl       rate        period      node        perih       mean dist  mean motion  ecc        epoch lon   tilt
    {"Sun",       0,  0,  0,         {0, 0, 0},         0,         0,          0,          0,          0,          0,         0,           0,         0,          0},
    {"Mercury",   0,  1,  0.382f,    {0, 0, 0},         7.00507f,  6.138505f,  87.969f,    0.84358567f, 1.3518273f, 0.387098f, 4.092353f,  0.205632f, 314.42368f,  0},
    {"Venus",     0,  2,  0.95f,     {0, 0, 0},         3.39472f,  1.481367f,  224.7f,     1.3384738f, 2.2996633f, 0.723324f, 1.602158f,   0.006793f, 236.94043f,  177.3f},
    {"Earth",     0,  3,  1,         {0, 0, 0.0034f},   0.00041f,  360.2525f,  365.256f,   6.09469f,   1.7951008f, 1.00002f,  0.98558f,    0.016697f, 328.40353f,  23.45f},
    {"Moon",      3,  10, 0.2724f,   {0, 0, 0},         0,         13.176359f, 27.32166f,  2.1838048f, 1.4518731f, 60.268f,   12.190992f,  0.0549f,   16.999998f,  6.41f},
    {"Mars",      0,  4,  0.532f,    {0, 0, 0},         1.84992f,  350.8919f,  686.98f,    0.86509687f, 5.8658457f, 1.523636f, 0.524061f,  0.093423f, 262.42783f,  25.19f},
    {"Phobos",    5,  11, 0.04f,     {0, 0.4f, 0.4f},   1,         350.8919f,  0.31891f,   0,          0,          2.76f,     1128.8451f,  0.015f,    0,          0},
    {"Deimos",    5,  11, 0.02f,     {0, 0.3f, 0.4f},   1,         350.8919f,  1.262441f,  0,          0,          6.91f,     285.16183f,  0.0005f,   0,          0},
    {"Jupiter",   0,  5,  11.27f,    {0, 0, 0.0625f},   1.30463f,  870.5325f,  4332.587f,  1.7535549f, 0.2739783f, 5.2026f  , 0.083096f,   0.048465f, 322.55984f,  3.12f},
    {"Io",        8,  11, 0.285356f, {0, 0, 0},         0,         203.48894f, 1.769138f,  0,          0,          5.9f,      203.48894f,  0,         0,          0},
    {"Europa",    8,  11, 0.245375f, {0, 0, 0},         0,         101.374725f, 3.551181f, 0,          0,          9.39f,     101.37473f,  0,         0,          0},
    {"Ganymede",  8,  11, 0.413139f, {0, 0, 0},         0,         50.317608f, 7.154553f,  0,          0,          14.97f,    50.17755f,   0,         0,          0},
    {"Callisto",  8,  11, 0.379429f, {0, 0, 0},         0,         21.57107f,  16.68902f,  0,          0,          26.34f,    21.571072f,  0,         0,          0},
    {"Saturn",    0,  6,  9.5f,      {0, 0, 0.1f},      2.48524f,  810.79254f, 10759.21f,  1.9833188f, 1.550952f,  9.5719f,   0.033287f,   0.053165f, 20.95759f,   26.73f},
    {"Tethys",    13, 11, 0.082314f, {0, 0, 0},         0,         190.66861f, 1.888093f,  0,          0,          4.89f,     190.66856f,  0,         0,          0},
    {"Dione",     13, 11, 0.087802f, {0, 0, 0},         0,         131.5058f,  2.737522f,  0,          0,          6.26f,     131.50578f,  0,         0,          0},
    {"Rhea",      13, 11, 0.119944f, {0, 0, 0},         0,         79.66077f,  4.519163f,  0,          0,          8.74f,     79.66077f,   0,         0,          0},
    {"Titan",     13, 11, 0.403732f, {0, 0, 0},         0,         22.546638f, 15.966903f, 0,          0,          20.27f,    22.546638f,  0,         0,          0},
    {"Uranus",    0,  7,  3.9f,      {0, 0, 0},         501.1624f, 97.86f,     30685,      1.2932087f, 3.0662067f, 19.30181f, 0.011623f,   0.042896f, 303.18967f,  97.86f},
    {"Neptune",   0,  8,  4,         {0, 0, 0},         1.7681f,   536.31287f, 60188,      2.300213f,  0.12576842f, 30.26664f, 0.005919f,  0.010298f, 299.8641f,   29},
    {"Triton",    19, 11, 0.212135f, {0, 0, 0},         157,       61.257263f, 5.876854f,  0,          0,          14.83f,    61.257263f,  0,         0,          0},
    {"Pluto",     0,  9,  0.45f,     {0, 0, 0},         17.12137f, 56.362724f, 90700,      1.926552f,  3.9235437f, 39.5804f,  0.003958f,   0.250127f, 235.7656f,   118},
    {"Charon",    21, 11, 0.092976f, {0, 0, 0},         99,        56.362286f, 6.38725f,   0,          0,          17,        56.362286f,  0,         0,          0},
};
// clang-format on

constexpr int kEarthRow = 3;

std::unique_ptr<CPlanet> MakeBody(const BodyRow& row, int index) {
    auto p = std::make_unique<CPlanet>();
    p->m_strName = row.name;
    p->m_fRadius = row.radius;
    for (int k = 0; k < 3; ++k) p->m_fShape[k] = row.shape[k];
    p->m_fInclination = row.inclination;
    p->m_fRotationRate = row.rotationRate;
    p->m_fOrbitalPeriod = row.orbitalPeriod;
    p->m_fNode = row.node;
    p->m_fPerihelion = row.perihelion;
    p->m_fMeanDistance = row.meanDistance;
    p->m_fMeanMotion = row.meanMotion;
    p->m_fEccentricity = row.eccentricity;
    p->m_fEpochLongitude = row.epochLongitude;
    p->m_fAxialTilt = row.axialTilt;
    p->m_nParent = row.parent;
    p->m_nTheory = row.theory;
    p->m_nIndex = index;
    return p;
}
}  // namespace

void BuildBodyTable(PlanetArray& planets, Mat3f& eclipticMatrix) {
    // A moon's parent is given as a row of the table; it becomes the index that
    // row receives, so the table may be appended to a non-empty array.
    const int base = static_cast<int>(planets.size());
    for (int row = 0; row < kBodyCount; ++row) {
        const BodyRow& r = kBodies[row];
        auto body = MakeBody(r, static_cast<int>(planets.size()));
        if (r.parent != 0) body->m_nParent = base + r.parent;
        planets.push_back(std::move(body));
        // The obliquity of the ecliptic is the Earth's axial tilt.
        if (row == kEarthRow)
            eclipticMatrix = Mat3PlaneRotation(0, 1, static_cast<double>(r.axialTilt) * kDegToRad);
    }
}

CPlanet* FindPlanet(const PlanetArray& planets, std::string_view name) {
    for (const auto& p : planets)
        if (p && p->m_strName == name) return p.get();
    return nullptr;
}
