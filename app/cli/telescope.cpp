#include "app/cli/telescope.h"

#include <chrono>
#include <ostream>
#include <string>

#include "app/cli/cli_options.h"
#include "astro/julian_day.h"
#include "astro/time_zone.h"
#include "catalogue/deep_sky.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"
#include "framework/program_files.h"
#include "framework/format.h"
#include "scope/mount_event_queue.h"
#include "scope/mount_text.h"
#include "scope/slew_target.h"
#include "scope/telescope_link.h"

namespace {
const char kTelescopeWho[] = "lumo telescope";

struct TelescopeOptions {
    MountAddress address;
    long timeoutSeconds = 120;
    PlaceAndTime when;
    std::string command, target;
};

// Reads the options. Returns -1 when the command is to run, else the exit
// status (0 after --help, 2 after a fault, whose reason is on err).
int ParseOptions(int argc, char** args, TelescopeOptions& o, std::ostream& out,
                 std::ostream& err) {
    for (int i = 0; i < argc; ++i) {
        const std::string a = args[i];
        if (IsHelpOption(a)) return PrintHelp(TelescopeHelp(), out);
        const bool hasValue = i + 1 < argc;
        const int taken = ParsePlaceAndTime(argc, args, i, o.when, kTelescopeWho, err);
        if (taken < 0) return UsageError(TelescopeHelp(), err);
        if (taken > 0) continue;
        if (a == "--host" && hasValue) {
            o.address.host = args[++i];
        } else if (a == "--device" && hasValue) {
            o.address.device = args[++i];
        } else if (a == "--port" && hasValue) {
            auto port = ParseInteger(args[++i], 1, 65535);
            if (!port) {
                err << kTelescopeWho << ": bad port '" << args[i] << "' (1 to 65535)\n";
                return UsageError(TelescopeHelp(), err);
            }
            o.address.port = static_cast<int>(*port);
        } else if (a == "--timeout" && hasValue) {
            auto seconds = ParseInteger(args[++i], 1, 86400);
            if (!seconds) {
                err << kTelescopeWho << ": bad timeout '" << args[i] << "' (whole seconds, 1 to 86400)\n";
                return UsageError(TelescopeHelp(), err);
            }
            o.timeoutSeconds = *seconds;
        } else if (o.command.empty() && (a == "where" || a == "abort" || a == "park")) {
            o.command = a;
        } else if (o.command.empty() && a == "goto" && hasValue) {
            o.command = a;
            o.target = args[++i];
        } else {
            err << kTelescopeWho << ": unexpected '" << a << "'\n";
            return UsageError(TelescopeHelp(), err);
        }
    }
    if (o.command.empty()) {
        err << kTelescopeWho << ": no command\n";
        return UsageError(TelescopeHelp(), err);
    }
    if (!CheckPlace(o.when, kTelescopeWho, err)) return UsageError(TelescopeHelp(), err);
    return -1;
}

std::string PointsAt(const MountStatus& s) {
    if (!s.havePosition) return s.device + " reports no position";
    return Format("%s points at %s (%s)", s.device.c_str(), FormatRaDec(s.raHours, s.decDeg).c_str(),
                  s.frame == MountFrame::OfDate ? "of date" : "J2000");
}

// Waits for one of the kinds: true when it came; otherwise the error or the
// timeout is reported on err.
bool Await(MountEventQueue& events, std::initializer_list<MountEventKind> kinds,
           std::chrono::milliseconds limit, const std::string& late, std::ostream& err,
           MountEvent* got = nullptr) {
    auto e = events.WaitFor(kinds, limit);
    if (!e) {
        err << kTelescopeWho << ": " << late << "\n";
        return false;
    }
    if (got) *got = *e;
    if (e->kind == MountEventKind::Error) {
        err << kTelescopeWho << ": " << e->status.message << "\n";
        return false;
    }
    return true;
}
}  // namespace

CommandHelp TelescopeHelp() {
    CommandHelp help{
        "telescope [OPTION]... (goto NAME | where | abort | park)",
        "Drives a mount through an INDI server: goto slews to a body, star or deep-sky object "
        "by name (never below the horizon) and returns when the mount has arrived or an "
        "error was reported, printing where it ended; where prints where the mount points; "
        "abort stops a slew; park parks the mount.",
        {{"--host H", "The INDI server's host. By default, localhost."},
         {"--port P", "The INDI server's port (1 to 65535). By default, 7624."},
         {"--device NAME", "The mount's device name. By default, \"Telescope Simulator\"."},
         {"--timeout SECONDS",
          "How long goto waits for the mount (1 to 86400 s; the slew is aborted then). By "
          "default, 120."}}};
    for (const OptionHelp& option : PlaceAndTimeHelp()) help.options.push_back(option);
    help.options.push_back({"--help", "Prints this text and exits."});
    return help;
}

int RunTelescope(int argc, char** args, std::ostream& out, std::ostream& err) {
    TelescopeOptions o;
    if (int status = ParseOptions(argc, args, o, out, err); status >= 0) return status;
    const std::chrono::milliseconds limit(o.timeoutSeconds * 1000);

    // The target and the horizon check come first: a refused slew never
    // reaches the mount.
    std::optional<SlewTarget> target;
    if (o.command == "goto") {
        CLumoDoc doc;
        LoadDocument(doc, kTelescopeWho, err);
        ApplyPlace(doc, o.when);
        const double jd = DateTimeToJulianDay(GetUniversalTime(ChosenTime(o.when), o.when.utc));
        std::string error;
        // Deep-sky objects too, when their file is there.
        CDeepSky deepSky;
        std::string deepSkyError;
        const std::string folder = LocateProgramFiles(ExecutableFolder()).dataFolder;
        const bool haveDeepSky = deepSky.LoadFile(JoinPath(folder, kDeepSkyFileName), deepSkyError);
        target = FindSlewTarget(doc, o.target, jd, error, haveDeepSky ? &deepSky : nullptr);
        if (!target) {
            err << kTelescopeWho << ": " << error << "\n";
            return 1;
        }
        if (std::string refusal = HorizonRefusal(*target); !refusal.empty()) {
            err << kTelescopeWho << ": " << refusal << "; no slew sent\n";
            return 1;
        }
    }

    MountEventQueue events;
    TelescopeLink link(events.Sink());
    link.Connect(o.address);
    MountEvent connected;
    if (!Await(events, {MountEventKind::Connected}, limit,
               Format("no answer from %s within %ld s", o.address.host.c_str(), o.timeoutSeconds), err,
               &connected))
        return 1;

    if (o.command == "where") {
        out << PointsAt(connected.status) << "\n";
        return 0;
    }
    if (o.command == "abort") {
        link.Abort();
        MountEvent e;
        if (!Await(events, {MountEventKind::Aborted}, limit, "the abort was not confirmed", err, &e))
            return 1;
        out << e.status.message << "; " << PointsAt(link.Status()) << "\n";
        return 0;
    }
    if (o.command == "park") {
        link.Park();
        if (!Await(events, {MountEventKind::Parked}, limit,
                   Format("not parked within %ld s", o.timeoutSeconds), err))
            return 1;
        out << "Parked; " << PointsAt(link.Status()) << "\n";
        return 0;
    }

    const MountTarget& m = target->mount;
    out << Format("Slewing to %s: %s (apparent place of date), altitude %.1f deg\n", m.name.c_str(),
                  FormatRaDec(m.raHoursOfDate, m.decDegOfDate).c_str(), target->altitudeDeg);
    out.flush();
    link.Goto(m);
    if (!Await(events, {MountEventKind::Arrived}, limit,
               Format("%s not reached within %ld s; slew aborted", m.name.c_str(), o.timeoutSeconds),
               err)) {
        link.Abort();
        events.WaitFor({MountEventKind::Aborted}, std::chrono::seconds(2));
        return 1;
    }
    out << "Arrived: " << PointsAt(link.Status()) << "\n";
    return 0;
}
