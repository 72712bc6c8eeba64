#pragma once
// The Where dialog's work on the document: the sorted city list with each
// name's index in m_cities, taking a city's place, reading and checking the
// typed name, latitude and longitude, adding and deleting cities, and moving
// the observer to a typed place. The Qt dialog shows what these return.
//
// Places are stored as f32 radians (north and east positive) and typed and
// shown in degrees.

#include <cstdint>
#include <string>
#include <vector>

class CLumoDoc;

constexpr double kLatitudeLimit = 90;    // typed latitude within -90 .. 90 degrees
constexpr double kLongitudeLimit = 360;  // typed longitude within -360 .. 360 degrees

constexpr const char* kFillDataMessage = "Fill data before Add city";
constexpr const char* kDuplicateCityMessage = "Duplicate City";

// One line of the list: a city's name and its index in m_cities.
struct CityEntry {
    std::string name;
    int32_t index;
};

// Every city of the document, sorted by name as a list shows them: letter
// case ignored first, then the exact name, then the index (so names that
// differ only in case keep a fixed order).
std::vector<CityEntry> SortedCityList(const CLumoDoc& doc);

// The three fields as the user typed them.
struct PlaceTexts {
    std::string name, latitude, longitude;
};

// The three fields once read: degrees.
struct TypedPlace {
    std::string name;
    double latitude = 0, longitude = 0;
};

enum class PlaceField { Name, Latitude, Longitude };

// Reads the fields. A latitude or longitude that is not a number, or lies
// outside its range, fails with the field in error and a message that names
// it and its range; blanks around a number are allowed.
bool ReadPlaceTexts(const PlaceTexts& texts, TypedPlace& place, PlaceField& badField,
                    std::string& message);

// Degrees as the fields show them: up to 15 significant digits, the shortest
// form that needs ("42", "-3.70379", "40.4166984558105").
std::string DegreesText(double degrees);

// Selecting a city: the document's place becomes the city's at once (no
// repaint); returns the texts the fields then show. False, with nothing
// changed, for an index that is not in m_cities.
bool TakeCityPlace(CLumoDoc& doc, int32_t index, PlaceTexts& shown);

// What the dialog opens with: the document's place as the fields show it,
// with the name of the first city of m_cities at exactly that place. Returns
// that city's index, or -1 (and an empty name) when no city is there. Go
// with these texts leaves the place exactly as it was.
int32_t CurrentPlace(const CLumoDoc& doc, PlaceTexts& shown);

enum class AddCityResult { Added, EmptyName, Duplicate };

// New: appends a city made of the typed place to m_cities, unless its name
// is empty or already there (case-sensitive, whole name). The document's
// place does not change.
AddCityResult AddNewCity(CLumoDoc& doc, const TypedPlace& place);

// Removes the city at index from m_cities (the later cities move up by one);
// false for an index that is not there. The document's place does not change.
bool DeleteCity(CLumoDoc& doc, int32_t index);

// Go: the observer moves to the typed place.
void MoveToPlace(CLumoDoc& doc, const TypedPlace& place);
