#include "sky/body_models.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "astro/planet.h"
#include "catalogue/cmp_file.h"
#include "catalogue/lumo_doc.h"
#include "engine/matrix_q15.h"
#include "engine/palette.h"
#include "engine/render_object.h"
#include "engine/render_settings.h"
#include "engine/vector_q15.h"
#include "sky/lumo_wnd.h"

namespace {

// A row of the camera dotted with a vector: the plain sum of the three
// products, shifted once.
int32_t DotOnce(const Vec3i& row, const Vec3i& v) {
    return static_cast<int32_t>(
        (int64_t{row.x} * v.x + int64_t{row.y} * v.y + int64_t{row.z} * v.z) >> 15);
}

int32_t Clamp32(int64_t v) {
    constexpr int64_t kLimit = int64_t{1} << 30;
    return static_cast<int32_t>(std::clamp(v, -kLimit, kLimit));
}

}  // namespace

void CBodyModels::Free::operator()(EngineObject* obj) const {
    if (!obj) return;
    ObjectFree(*obj);
    delete obj;
}

CBodyModels::CBodyModels(CStoreFile* store, std::string programFolder)
    : m_pStore(store), m_strFolder(std::move(programFolder)) {}

CBodyModels::~CBodyModels() = default;

EngineObject* CBodyModels::FindModel(const std::string& name) {
    auto found = m_models.find(name);
    if (found != m_models.end()) return found->second.get();
    ++m_nLoads;
    std::unique_ptr<EngineObject, Free> model;
    CCmpFile file(m_pStore, m_strFolder);
    if (file.Open(ModelRequestPath(m_strFolder, name), CFile::modeRead)) {
        model.reset(new EngineObject{});
        // A file that does not read as a model counts as missing.
        if (!ObjectRead(*model, file)) model.reset();
        file.Close();
    }
    return m_models.emplace(name, std::move(model)).first->second.get();
}

Vec3i SunLight(const double (&posKm)[3], const Vec3i& side, const Vec3i& up, const Vec3i& depth) {
    // From the body towards the Sun, in the sky frame: sky = (z, y, -x) of
    // the body-position frame, negated.
    const Vec3d toSun = UnitVector127(-posKm[2], -posKm[1], posKm[0]);
    const Vec3i l{static_cast<int32_t>(toSun.x), static_cast<int32_t>(toSun.y),
                  static_cast<int32_t>(toSun.z)};
    // The light travels away from the Sun: camera x is minus the side
    // coordinate, so only y and z change sign.
    return Vec3i{DotOnce(side, l), -DotOnce(up, l), -DotOnce(depth, l)};
}

Angle SpinAngle(double rotationRadians) {
    const double units =
        std::trunc((rotationRadians - std::numbers::pi / 2) * (1 / (2 * std::numbers::pi)) * 32768);
    if (!std::isfinite(units)) return 0;
    return static_cast<Angle>(std::fmod(units, double{kAngleFullTurn}));
}

MatQ15 ModelMatrix(Angle spin, const MatQ15& camera) {
    MatQ15 m;
    MatMul(m, MatFromAngles(0, kAngleFullTurn / 2, 0), MatFromAngles(0, 0, spin));
    MatMul(m, m, camera);
    for (int column = 0; column < 3; ++column) m[column] = -m[column];
    return m;
}

int32_t ModelOffset(int32_t pixels, int32_t depth, int32_t focal) {
    return Clamp32(int64_t{pixels} * depth / (focal != 0 ? focal : 1));
}

int32_t DrawBodyModel(CLumoDoc& doc, CLumoWnd& wnd, CPlanet& body, int32_t x, int32_t y, double d) {
    if (!doc.m_bObserverOnBody || !(d < kModelDistanceSquared)) return 0;
    const CSkyCamera& camera = wnd.m_Camera;
    const int32_t depth = static_cast<int32_t>(std::max(0.0, d) * 0.0001 + kModelBaseDepth);
    Surface& s = wnd.m_Surface;
    const int32_t focal = std::max(s.FocalLength, kModelFocalFloor);
    const int32_t tx = ModelOffset(x - s.CentreX, depth, focal);
    const int32_t ty = ModelOffset(y - s.CentreY, depth, focal);
    const MatQ15 m = ModelMatrix(SpinAngle(body.m_dRotationAngle), camera.m_engine);
    EngineObject* model = wnd.m_pModels ? wnd.m_pModels->FindModel(body.m_strName) : nullptr;
    if (!model) return 0;
    // The model alone is drawn with its focal length and the sunlight; the
    // rest of the paint keeps the window's.
    const int32_t windowFocal = s.FocalLength;
    s.FocalLength = focal;
    s.LightVector = SunLight(body.m_dPos, camera.m_vSide, camera.m_vUp, camera.m_vDepth);
    RenderObject(s, *model, m, tx, ty, depth);
    s.FocalLength = windowFocal;
    // The model's depth cue must not darken what is drawn after it.
    BuildShadeBase(0);
    return 1;
}
