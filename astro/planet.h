#pragma once
// CPlanet: one body of the solar system (the Sun, a planet or a moon).
// The body table fills the fixed fields; the position update fills the
// position, rotation angle and delta rotation; the sky painting fills the
// screen position, view vector and distance. No data file stores bodies,
// but the record archives like the others.

#include <cstdint>
#include <string>

#include "framework/object.h"

class CPlanet : public CObject {
    LUMO_DECLARE_SERIAL(CPlanet)
public:
    std::string m_strName;
    float m_fDeltaRotation = 0;   // current rotation of the surface, degrees
    float m_fRadius = 0;          // Earth radii
    float m_fShape[3] = {0, 0, 0};  // shape factors of the 3D model
    // The archived orbit and rotation fields, in archive order. Several hold
    // something else than their names say: read them through the accessors
    // below, which name what they hold and in which unit.
    float m_fInclination = 0;     // orbital inclination to the ecliptic, degrees
    float m_fRotationRate = 0;    // spin of the surface, degrees per day
    float m_fOrbitalPeriod = 0;   // days
    float m_fNode = 0;            // longitude of the ascending node, radians
    float m_fAscendingNode = 0;   // unused; not set by the body table
    float m_fPerihelion = 0;      // longitude of perihelion, radians
    float m_fMeanDistance = 0;    // semi-major axis: AU, or parent radii for a moon
    float m_fMeanMotion = 0;      // degrees per day
    float m_fEccentricity = 0;
    float m_fEpochLongitude = 0;  // mean longitude at J2000.0, degrees
    float m_fExtra[4] = {0, 0, 0, 0};  // not set by the body table
    double m_dPos[3] = {0, 0, 0};  // position, km, body-position frame (Sun at origin)
    float m_fAxialTilt = 0;       // degrees
    double m_dRotationAngle = 0;  // radians
    int32_t m_nParent = 0;        // index in the body array of the body orbited; 0 for the Sun
    int32_t m_nTheory = 0;        // position theory (0 = Kepler orbit)
    int32_t m_nIndex = 0;         // own index in the body array
    int32_t m_ptScreen[2] = {2000, 2000};  // kept in the archive only, unused
    int32_t m_vView[3] = {0, 0, 0};  // body relative to the eye, as the sky painting scales it
    double m_dDistance = 0;       // squared length of m_vView (far-to-near sort key)

    double OrbitInclinationRad() const;
    double AscendingNodeRad() const { return m_fNode; }
    double PerihelionLongitudeRad() const { return m_fPerihelion; }
    double EpochLongitudeRad() const;
    double MeanMotionRadPerDay() const;
    double SpinDegPerDay() const { return m_fRotationRate; }

    void Serialize(CArchive& ar) override;
};

#include <memory>
#include <vector>

// The bodies of a document, in body-table order; the array owns them.
using PlanetArray = std::vector<std::unique_ptr<CPlanet>>;
