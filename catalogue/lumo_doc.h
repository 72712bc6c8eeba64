#pragma once
// CLumoDoc: the document. It owns the star catalogue, the constellation
// figures, boundaries and names, the cities, the bodies of the solar system,
// the generated grid and ecliptic lines and the user's view settings.
// Serialize reads and writes the persisted members in the order of stars.db.

#include <cstdint>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "astro/planet.h"
#include "astro/sky_line.h"
#include "astro/vec3.h"
#include "catalogue/city.h"
#include "catalogue/sky_label.h"
#include "catalogue/star.h"

class CArchive;

class CLumoDoc {
public:
    CLumoDoc();
    CLumoDoc(const CLumoDoc&) = delete;
    CLumoDoc& operator=(const CLumoDoc&) = delete;

    std::vector<std::unique_ptr<CStar>> m_stars;  // brightest first
    PlanetArray m_planets;                        // body-table order
    std::vector<CSkyLine> m_figures;
    std::vector<CSkyLine> m_bounds;
    std::vector<CSkyLabel> m_labels;
    std::vector<CSkyLine> m_gridLines;      // generated
    std::vector<CSkyLine> m_eclipticLines;  // generated
    std::vector<std::unique_ptr<CLocalizacion>> m_cities;  // insertion order
    CPlanet* m_pAim = nullptr;  // body the view is locked on

    int32_t m_bGrid = 1;
    int32_t m_bEcliptic = 1;
    int32_t m_bHorizon = 1;
    int32_t m_nViewMode = 1;  // 0 equatorial, 1 horizon
    int32_t m_bLocalCircles = 0;
    int32_t m_bGround = 0;
    int32_t m_bObserverOnBody = 0;
    int32_t m_bFigures = 1;
    int32_t m_bConstNames = 1;
    int32_t m_bBounds = 1;
    // Not in stars.db: the program keeps these two in its settings.
    int32_t m_bDeepSky = 1;
    int32_t m_bMilkyWay = 1;
    // Julian day of the last body computation; NaN equals no request.
    double m_dJulianDay = std::numeric_limits<double>::quiet_NaN();
    int32_t m_nZoom = 256;             // 256 = 1:1
    float m_fLatitude = 0.7330383f;    // radians (42 degrees north)
    float m_fLongitude = -0.05235988f; // radians (3 degrees west)
    int32_t m_nViewElevation = 0;      // angle units, 32768 a turn
    int32_t m_nViewAzimuth = 0;        // angle units
    Vec3f m_vZenith = {0, 0, 0};       // observer frame, sky frame
    Vec3f m_vEast = {0, 0, 0};
    Vec3f m_vSouth = {0, 0, 0};
    float m_fGridStep = 30;            // degrees
    float m_fMagLimit = 10000;         // stars drawn while brighter than this
    float m_fNameLimit = 3.0f;         // names drawn while brighter than this
    Mat3f m_eclipticMatrix = kIdentity3f;  // ecliptic to equatorial
    CPlanet* m_pObserverBody = nullptr;

    // Reads or writes the persisted members. When loading fails the document
    // keeps what it had and the archive carries the failure.
    void Serialize(CArchive& ar);

    // Loads the document from the bytes of a stars.db file; on failure the
    // document is unchanged and error says what was wrong.
    bool LoadFrom(std::span<const uint8_t> bytes, std::string& error);
    // The bytes of this document as a stars.db file.
    std::vector<uint8_t> StoreToBytes();
};

// Size of the settings block at the end of stars.db: 10 + 3 i32 and 5 f32.
constexpr int kSettingsBytes = 72;
