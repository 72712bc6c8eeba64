#include "app/cli/render.h"

#include <cmath>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "app/cli/cli_options.h"
#include "astro/body_table.h"
#include "catalogue/deep_sky.h"
#include "catalogue/lumo_doc.h"
#include "catalogue/store_file.h"
#include "engine/png_export.h"
#include "engine/trig_tables.h"
#include "framework/file.h"
#include "framework/program_files.h"
#include "sky/body_models.h"
#include "sky/lumo_wnd.h"
#include "sky/sky_tools.h"
#include "sky/vr_command.h"

namespace {

const char kRenderWho[] = "lumo render";

constexpr long kAngleLimit = 1L << 24;  // a few hundred turns either way
constexpr long kMinZoom = 64, kMaxZoom = 2048;
constexpr int32_t kDefaultWidth = 640, kDefaultHeight = 480;

struct Options {
    PlaceAndTime when;
    std::string out;
    std::optional<int32_t> viewMode, azimuth, elevation, zoom;
    int32_t width = kDefaultWidth, height = kDefaultHeight;
    std::optional<float> magLimit, nameLimit;
    std::optional<std::string> layers;
    std::optional<std::string> vrBody;
    double scale = 1.0;
};

// WxH, each side a whole number the sky window can have.
bool ParseSize(const std::string& s, int32_t& width, int32_t& height) {
    size_t x = s.find('x');
    if (x == std::string::npos) return false;
    auto w = ParseInteger(s.substr(0, x), 1, kMaxSurfaceSide - 2);
    auto h = ParseInteger(s.substr(x + 1), 1, kMaxSurfaceSide);
    if (!w || !h) return false;
    width = static_cast<int32_t>(*w);
    height = static_cast<int32_t>(*h);
    return true;
}

// A scale factor from kMinSkyScale to kMaxSkyScale.
bool ParseScale(const std::string& s, double& scale) {
    auto v = ParseDegrees(s, kMaxSkyScale);
    if (!v || *v < kMinSkyScale) return false;
    scale = *v;
    return true;
}

// The window size in surface pixels: the size given times the scale.
bool ScaleSize(Options& o) {
    const long width = std::lround(o.width * o.scale), height = std::lround(o.height * o.scale);
    if (width < 1 || width > kMaxSurfaceSide - 2 || height < 1 || height > kMaxSurfaceSide)
        return false;
    o.width = static_cast<int32_t>(width);
    o.height = static_cast<int32_t>(height);
    return true;
}

// Turns the named layers on and every other layer off (daylight is the
// window's, not the document's); false on an unknown name.
bool ApplyLayers(CLumoDoc& doc, bool& daylight, const std::string& list, std::string& unknown) {
    struct Layer {
        const char* name;
        int32_t CLumoDoc::*flag;
    };
    static const Layer kLayers[] = {
        {"grid", &CLumoDoc::m_bGrid},       {"ecliptic", &CLumoDoc::m_bEcliptic},
        {"horizon", &CLumoDoc::m_bHorizon}, {"ground", &CLumoDoc::m_bGround},
        {"figures", &CLumoDoc::m_bFigures}, {"names", &CLumoDoc::m_bConstNames},
        {"bounds", &CLumoDoc::m_bBounds},   {"local", &CLumoDoc::m_bLocalCircles},
        {"deepsky", &CLumoDoc::m_bDeepSky}, {"milkyway", &CLumoDoc::m_bMilkyWay},
    };
    for (const Layer& l : kLayers) doc.*l.flag = 0;
    daylight = false;
    std::istringstream words(list);
    for (std::string word; std::getline(words, word, ',');) {
        if (word.empty()) continue;
        if (word == "daylight") {
            daylight = true;
            continue;
        }
        const Layer* layer = nullptr;
        for (const Layer& l : kLayers)
            if (word == l.name) layer = &l;
        if (layer) {
            doc.*layer->flag = 1;
        } else {
            unknown = word;
            return false;
        }
    }
    return true;
}

// Reads the value of a numeric option; on a fault writes the reason.
template <class T>
bool Take(std::optional<T> value, std::optional<T>& into, const std::string& option,
          const std::string& text, const char* expected, std::ostream& err) {
    if (!value) {
        err << kRenderWho << ": bad " << option << " '" << text << "' (" << expected << ")\n";
        return false;
    }
    into = value;
    return true;
}

// Reads the options. Returns -1 when the picture is to be made, else the
// exit status (0 after --help, 2 after a fault, whose reason is on err).
int ParseOptions(int argc, char** args, Options& o, std::ostream& out, std::ostream& err) {
    for (int i = 0; i < argc; ++i) {
        if (IsHelpOption(args[i])) return PrintHelp(RenderHelp(), out);
        int taken = ParsePlaceAndTime(argc, args, i, o.when, kRenderWho, err);
        if (taken < 0) return UsageError(RenderHelp(), err);
        if (taken > 0) continue;
        const std::string a = args[i];
        if (i + 1 >= argc) {
            err << kRenderWho << ": unexpected '" << a << "'\n";
            return UsageError(RenderHelp(), err);
        }
        const std::string v = args[++i];
        auto integer = [&](long lo, long hi) -> std::optional<int32_t> {
            auto n = ParseInteger(v, lo, hi);
            if (!n) return std::nullopt;
            return static_cast<int32_t>(*n);
        };
        auto number = [&]() -> std::optional<float> {
            auto n = ParseDegrees(v, 1e6);
            if (!n) return std::nullopt;
            return static_cast<float>(*n);
        };
        bool ok = true;
        if (a == "--out") {
            o.out = v;
            ok = !v.empty();
            if (!ok) err << kRenderWho << ": --out needs a file name\n";
        } else if (a == "--view") {
            ok = v == "horizon" || v == "equatorial";
            if (ok) o.viewMode = v == "horizon" ? 1 : 0;
            else err << kRenderWho << ": bad view '" << v << "' (horizon or equatorial)\n";
        } else if (a == "--az") {
            ok = Take(integer(-kAngleLimit, kAngleLimit), o.azimuth, "azimuth", v, "angle units", err);
        } else if (a == "--el") {
            ok = Take(integer(-kAngleLimit, kAngleLimit), o.elevation, "elevation", v, "angle units", err);
        } else if (a == "--zoom") {
            ok = Take(integer(kMinZoom, kMaxZoom), o.zoom, "zoom", v, "64 to 2048", err);
        } else if (a == "--size") {
            ok = ParseSize(v, o.width, o.height);
            if (!ok) err << kRenderWho << ": bad size '" << v << "' (WxH, 1 to 16382 by 1 to 16384)\n";
        } else if (a == "--mag-limit") {
            ok = Take(number(), o.magLimit, "magnitude limit", v, "a number", err);
        } else if (a == "--name-limit") {
            ok = Take(number(), o.nameLimit, "name limit", v, "a number", err);
        } else if (a == "--layers") {
            o.layers = v;
        } else if (a == "--vr") {
            o.vrBody = v;
        } else if (a == "--scale") {
            ok = ParseScale(v, o.scale);
            if (!ok) err << kRenderWho << ": bad scale '" << v << "' (0.5 to 8)\n";
        } else {
            err << kRenderWho << ": unexpected '" << a << "'\n";
            return UsageError(RenderHelp(), err);
        }
        if (!ok) return UsageError(RenderHelp(), err);
    }
    if (!CheckPlace(o.when, kRenderWho, err)) return UsageError(RenderHelp(), err);
    if (o.out.empty()) {
        err << kRenderWho << ": --out FILE.png is needed\n";
        return UsageError(RenderHelp(), err);
    }
    if (!ScaleSize(o)) {
        err << kRenderWho << ": " << o.width << " x " << o.height << " pixels at scale " << o.scale
            << " is too large (at most 16382 by 16384)\n";
        return 2;
    }
    return -1;
}

// VR mode on the named body, as aiming at it and choosing "VR..." does (the
// ground goes off); false with the body names on err for an unknown name.
bool StandOn(CLumoDoc& doc, const std::string& name, std::ostream& err) {
    doc.m_pAim = FindPlanet(doc.m_planets, name);
    if (!doc.m_pAim) {
        err << kRenderWho << ": no body '" << name << "' (";
        for (size_t i = 0; i < doc.m_planets.size(); ++i)
            err << (i ? ", " : "") << doc.m_planets[i]->m_strName;
        err << ")\n";
        return false;
    }
    SetVrMode(doc, true);
    return true;
}

}  // namespace

CommandHelp RenderHelp() {
    CommandHelp help{
        "render --out FILE.png [OPTION]...",
        "Paints the sky window once, as the window would show it, and saves the picture as a "
        "palettised PNG. The catalogue's settings (place, view, zoom, layers, limits) are used "
        "unless an option says otherwise; the catalogue is read, never written. Angles of the "
        "view are in 1/32768 of a turn (8192 is 90 degrees).",
        {{"--out FILE.png", "The picture to write (needed)."}}};
    for (OptionHelp& o : PlaceAndTimeHelp()) help.options.push_back(o);
    const OptionHelp more[] = {
        {"--view horizon|equatorial",
         "The view: the horizon's (altitude and azimuth) or the equator's (declination and "
         "right ascension)."},
        {"--az UNITS --el UNITS",
         "The direction of the view's centre: azimuth (or right ascension) and elevation (or "
         "declination), in 1/32768 of a turn."},
        {"--zoom N", "The zoom, 64 to 2048; 256 shows the sky at 1:1."},
        {"--size WxH",
         "The size of the sky window in pixels, 1 to 16382 by 1 to 16384 (default 640x480). "
         "The picture is two columns wider, rounded up to a multiple of four."},
        {"--mag-limit M", "Stars fainter than magnitude M are not drawn."},
        {"--name-limit M", "Stars fainter than magnitude M are drawn without their names."},
        {"--layers LIST",
         "The layers to draw, separated by commas, from grid, ecliptic, horizon, ground, "
         "figures, names, bounds, local, daylight, deepsky and milkyway; the others are not drawn."},
        {"--vr BODY",
         "Stands at the centre of BODY (its name as the Aim menu writes it, such as Jupiter) "
         "in VR mode, the ground off: the bodies near it are drawn as models."},
        {"--scale S",
         "Paints as a screen of S device pixels per pixel shows it (0.5 to 8, default 1): the "
         "picture S times the size, text and markers S times as large, the same angles."},
        {"--help", "Prints this text and exits."},
    };
    for (const OptionHelp& o : more) help.options.push_back(o);
    return help;
}

int RunRender(int argc, char** args, std::ostream& out, std::ostream& err) {
    Options o;
    if (int status = ParseOptions(argc, args, o, out, err); status >= 0) return status;
    EngineTablesInit();
    CLumoDoc doc;
    LoadDocument(doc, kRenderWho, err);
    ApplyPlace(doc, o.when);
    if (o.viewMode) doc.m_nViewMode = *o.viewMode;
    if (o.azimuth) doc.m_nViewAzimuth = *o.azimuth;
    if (o.elevation) doc.m_nViewElevation = *o.elevation;
    if (o.zoom) doc.m_nZoom = *o.zoom;
    if (o.magLimit) doc.m_fMagLimit = *o.magLimit;
    if (o.nameLimit) doc.m_fNameLimit = *o.nameLimit;
    std::string unknown;
    bool daylight = false;
    if (o.layers && !ApplyLayers(doc, daylight, *o.layers, unknown)) {
        err << kRenderWho << ": unknown layer '" << unknown << "'\n";
        return UsageError(RenderHelp(), err);
    }
    if (o.vrBody && !StandOn(doc, *o.vrBody, err)) return 2;
    // The body models, from the planet store or the Planets folder beside the
    // program (in share/lumo when it is installed).
    const std::string folder = LocateProgramFiles(ExecutableFolder()).dataFolder;
    CStoreFile store;
    store.OpenStore(JoinPath(folder, "planets.sto"));
    CBodyModels models(&store, folder);
    // The deep sky; a missing or damaged file leaves it out, as in the program.
    CDeepSky deepSky;
    std::string deepSkyError;
    const bool haveDeepSky = deepSky.LoadFile(JoinPath(folder, kDeepSkyFileName), deepSkyError);

    const SkyScale scale = SkyScaleOf(o.scale);
    SkyTools tools;
    if (!tools.Create(scale))
        err << kRenderWho << ": not every font or ground tool could be made; defaults are used\n";
    FixedSizeHost host(o.width, o.height);
    FixedTimeSource time(ChosenTime(o.when), o.when.utc);
    CLumoWnd wnd;
    wnd.Connect(&doc, &host, &time, &tools);
    wnd.m_pModels = &models;
    if (haveDeepSky) wnd.m_pDeepSky = &deepSky;
    wnd.m_bDaylight = daylight;
    wnd.SetScale(scale);
    wnd.OnCreate();
    wnd.OnSize();
    if (wnd.m_Surface.Kind != kSurfaceKindLive) {
        err << kRenderWho << ": no surface of " << o.width << " x " << o.height << " pixels\n";
        return 1;
    }
    wnd.PaintSky();
    std::string error;
    if (!SurfaceSavePng(wnd.m_Surface, o.out, &error)) {
        err << kRenderWho << ": " << error << "\n";
        return 1;
    }
    out << "wrote " << o.out << " (" << wnd.m_Surface.Stride << " x " << wnd.m_Surface.Height
        << " pixels)\n";
    wnd.OnDestroy();
    return 0;
}
