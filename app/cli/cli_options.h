#pragma once
// What the command-line modes of lumo share: reading times, angles and
// numbers from arguments, the observer's place and the chosen instant.

#include <iosfwd>
#include <optional>
#include <string>

#include "framework/command_help.h"
#include "framework/datetime.h"

class CLumoDoc;

// YYYY-MM-DDTHH:MM:SS, every field in range (years 100 to 9999).
std::optional<CDateTime> ParseTime(const std::string& s);
// A finite decimal number within [-limit, limit].
std::optional<double> ParseDegrees(const std::string& s, double limit);
// A whole number within [lo, hi].
std::optional<long> ParseInteger(const std::string& s, long lo, long hi);
// The time as YYYY-MM-DDTHH:MM:SS.
std::string IsoTime(const CDateTime& t);

// The place and instant options every mode takes.
struct PlaceAndTime {
    std::optional<CDateTime> time;
    bool utc = false;
    std::optional<double> latitudeDeg, longitudeDeg;
};

// The help of --time, --utc, --lat and --lon, for the commands that take them.
std::vector<OptionHelp> PlaceAndTimeHelp();

// What a command does with --help or a wrong argument: prints its usage on
// out (status 0) or err (status 2) and returns that exit status.
int PrintHelp(const CommandHelp& command, std::ostream& out);
int UsageError(const CommandHelp& command, std::ostream& err);

// Reads --time, --utc, --lat or --lon (with its value) at args[i], advancing
// i past a value. Returns 1 when consumed, 0 when args[i] is none of them,
// -1 on a bad value (with the reason on err, prefixed by who).
int ParsePlaceAndTime(int argc, char** args, int& i, PlaceAndTime& o, const std::string& who,
                      std::ostream& err);
// False (with the reason on err) when only one of --lat and --lon was given.
bool CheckPlace(const PlaceAndTime& o, const std::string& who, std::ostream& err);

// The chosen time: --time as given, else now, read in Universal Time when
// --utc is given (so --utc alone means the present instant, not the local
// clock reading taken as UT).
CDateTime ChosenTime(const PlaceAndTime& o);

// Loads the user's stars.db into doc (the one beside the program, or for an
// installed program the user's copy, else the installed one; read only, the
// file is never written). A missing or unreadable catalogue is reported on err and
// the document keeps its initial place and settings. True when loaded.
bool LoadDocument(CLumoDoc& doc, const std::string& who, std::ostream& err);
// Puts the place given by --lat and --lon (if any) into doc.
void ApplyPlace(CLumoDoc& doc, const PlaceAndTime& o);
