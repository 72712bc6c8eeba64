#include "catalogue/city_list.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "astro/angles.h"
#include "catalogue/lumo_doc.h"
#include "framework/text.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A whole field as a finite number; blanks around it and one leading '+'
// allowed. Infinities and NaN are not numbers a place can have.
bool ParseNumber(const std::string& text, double& value) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    const bool plus = begin < end && text[begin] == '+';
    if (plus) ++begin;
    if (begin == end || (plus && text[begin] == '-')) return false;
    const char* first = text.data() + begin;
    const char* last = text.data() + end;
    auto [ptr, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && ptr == last && std::isfinite(value);
}

bool ReadDegrees(const std::string& text, double limit, const char* label, double& value,
                 std::string& message) {
    if (ParseNumber(text, value) && value >= -limit && value <= limit) return true;
    message = std::string(label) + " must be a number between " + DegreesText(-limit) + " and " +
              DegreesText(limit) + ".";
    return false;
}

float ToStoredRadians(double degrees) { return static_cast<float>(degrees * kDegToRad); }

bool ValidIndex(const CLumoDoc& doc, int32_t index) {
    return index >= 0 && static_cast<size_t>(index) < doc.m_cities.size();
}

}  // namespace

std::vector<CityEntry> SortedCityList(const CLumoDoc& doc) {
    struct Keyed {
        std::string folded;
        CityEntry entry;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(doc.m_cities.size());
    for (size_t i = 0; i < doc.m_cities.size(); ++i) {
        const std::string& name = doc.m_cities[i]->m_strName;
        keyed.push_back({FoldCase(name), {name, static_cast<int32_t>(i)}});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (a.folded != b.folded) return a.folded < b.folded;
        if (a.entry.name != b.entry.name) return a.entry.name < b.entry.name;
        return a.entry.index < b.entry.index;
    });
    std::vector<CityEntry> list;
    list.reserve(keyed.size());
    for (Keyed& k : keyed) list.push_back(std::move(k.entry));
    return list;
}

bool ReadPlaceTexts(const PlaceTexts& texts, TypedPlace& place, PlaceField& badField,
                    std::string& message) {
    TypedPlace read;
    read.name = texts.name;
    if (!ReadDegrees(texts.latitude, kLatitudeLimit, "Lat", read.latitude, message)) {
        badField = PlaceField::Latitude;
        return false;
    }
    if (!ReadDegrees(texts.longitude, kLongitudeLimit, "Lon", read.longitude, message)) {
        badField = PlaceField::Longitude;
        return false;
    }
    place = std::move(read);
    return true;
}

std::string DegreesText(double degrees) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, degrees,
                                   std::chars_format::general, 15);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

bool TakeCityPlace(CLumoDoc& doc, int32_t index, PlaceTexts& shown) {
    if (!ValidIndex(doc, index)) return false;
    const CLocalizacion& city = *doc.m_cities[static_cast<size_t>(index)];
    doc.m_fLatitude = city.m_fLatitude;
    doc.m_fLongitude = city.m_fLongitude;
    shown.name = city.m_strName;
    shown.latitude = DegreesText(city.m_fLatitude * kRadToDeg);
    shown.longitude = DegreesText(city.m_fLongitude * kRadToDeg);
    return true;
}

int32_t CurrentPlace(const CLumoDoc& doc, PlaceTexts& shown) {
    shown.name.clear();
    shown.latitude = DegreesText(doc.m_fLatitude * kRadToDeg);
    shown.longitude = DegreesText(doc.m_fLongitude * kRadToDeg);
    for (size_t i = 0; i < doc.m_cities.size(); ++i) {
        const CLocalizacion& city = *doc.m_cities[i];
        if (city.m_fLatitude == doc.m_fLatitude && city.m_fLongitude == doc.m_fLongitude) {
            shown.name = city.m_strName;
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

AddCityResult AddNewCity(CLumoDoc& doc, const TypedPlace& place) {
    if (place.name.empty()) return AddCityResult::EmptyName;
    for (const auto& city : doc.m_cities)
        if (city->m_strName == place.name) return AddCityResult::Duplicate;
    auto city = std::make_unique<CLocalizacion>();
    city->m_strName = place.name;
    city->m_fLatitude = ToStoredRadians(place.latitude);
    city->m_fLongitude = ToStoredRadians(place.longitude);
    doc.m_cities.push_back(std::move(city));
    return AddCityResult::Added;
}

bool DeleteCity(CLumoDoc& doc, int32_t index) {
    if (!ValidIndex(doc, index)) return false;
    doc.m_cities.erase(doc.m_cities.begin() + index);
    return true;
}

void MoveToPlace(CLumoDoc& doc, const TypedPlace& place) {
    doc.m_fLatitude = ToStoredRadians(place.latitude);
    doc.m_fLongitude = ToStoredRadians(place.longitude);
}
