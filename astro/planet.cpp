#include "astro/planet.h"

#include "astro/angles.h"
#include "framework/archive.h"

LUMO_IMPLEMENT_SERIAL(CPlanet, 1)

void CPlanet::Serialize(CArchive& ar) {
    ar.Exchange(m_strName);
    ar.Exchange(m_fDeltaRotation);
    ar.Exchange(m_fRadius);
    for (float& f : m_fShape) ar.Exchange(f);
    ar.Exchange(m_fInclination);
    ar.Exchange(m_fRotationRate);
    ar.Exchange(m_fOrbitalPeriod);
    ar.Exchange(m_fNode);
    ar.Exchange(m_fAscendingNode);
    ar.Exchange(m_fPerihelion);
    ar.Exchange(m_fMeanDistance);
    ar.Exchange(m_fMeanMotion);
    ar.Exchange(m_fEccentricity);
    ar.Exchange(m_fEpochLongitude);
    for (float& f : m_fExtra) ar.Exchange(f);
    for (double& d : m_dPos) ar.Exchange(d);
    ar.Exchange(m_fAxialTilt);
    ar.Exchange(m_dRotationAngle);
    ar.Exchange(m_nParent);
    ar.Exchange(m_nTheory);
    ar.Exchange(m_nIndex);
    ar.Exchange(m_ptScreen[0]);
    ar.Exchange(m_ptScreen[1]);
    for (int32_t& v : m_vView) ar.Exchange(v);
    ar.Exchange(m_dDistance);
}

double CPlanet::OrbitInclinationRad() const { return m_fInclination * kDegToRad; }
double CPlanet::EpochLongitudeRad() const { return m_fEpochLongitude * kDegToRad; }
double CPlanet::MeanMotionRadPerDay() const { return m_fMeanMotion * kDegToRad; }
