#include <gtest/gtest.h>

#include "catalogue/city_list.h"
#include "catalogue/lumo_doc.h"

namespace {

TypedPlace Place(const std::string& name, double lat, double lon) { return {name, lat, lon}; }

std::vector<std::string> Names(const std::vector<CityEntry>& list) {
    std::vector<std::string> names;
    for (const CityEntry& e : list) names.push_back(e.name);
    return names;
}

TEST(CityList, SortedIgnoringCaseWithEachIndexAttached) {
    CLumoDoc doc;
    for (const char* name : {"Quito", "madrid", "Lima", "Madrid"})
        ASSERT_EQ(AddNewCity(doc, Place(name, 0, 0)), AddCityResult::Added) << name;
    std::vector<CityEntry> list = SortedCityList(doc);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Lima", "Madrid", "madrid", "Quito"}));
    for (const CityEntry& e : list) EXPECT_EQ(doc.m_cities[e.index]->m_strName, e.name);
    // A new city takes its sorted place with the last index.
    ASSERT_EQ(AddNewCity(doc, Place("Oslo", 59.9, 10.7)), AddCityResult::Added);
    list = SortedCityList(doc);
    EXPECT_EQ(list[3].name, "Oslo");
    EXPECT_EQ(list[3].index, 4);
}

TEST(CityList, NewRefusesAnEmptyOrExactlyRepeatedName) {
    CLumoDoc doc;
    const float lat = doc.m_fLatitude, lon = doc.m_fLongitude;
    EXPECT_EQ(AddNewCity(doc, Place("", 10, 20)), AddCityResult::EmptyName);
    EXPECT_EQ(AddNewCity(doc, Place("Madrid", 40.4, -3.7)), AddCityResult::Added);
    EXPECT_EQ(AddNewCity(doc, Place("Madrid", 1, 2)), AddCityResult::Duplicate);
    EXPECT_EQ(AddNewCity(doc, Place("MADRID", 1, 2)), AddCityResult::Added);
    EXPECT_EQ(AddNewCity(doc, Place("Madrid ", 1, 2)), AddCityResult::Added);  // whole name
    ASSERT_EQ(doc.m_cities.size(), 3u);
    EXPECT_EQ(doc.m_cities[0]->m_fLatitude, static_cast<float>(40.4 * 0.017453292519943295));
    EXPECT_EQ(doc.m_cities[0]->m_fLongitude, static_cast<float>(-3.7 * 0.017453292519943295));
    EXPECT_EQ(doc.m_fLatitude, lat);  // New does not move the observer
    EXPECT_EQ(doc.m_fLongitude, lon);
}

TEST(CityList, SelectingMovesTheObserverAndShowsDegrees) {
    CLumoDoc doc;
    AddNewCity(doc, Place("Quito", -0.22, -78.5));
    AddNewCity(doc, Place("Null Island", 0, 0));
    PlaceTexts shown;
    ASSERT_TRUE(TakeCityPlace(doc, 0, shown));
    EXPECT_EQ(doc.m_fLatitude, doc.m_cities[0]->m_fLatitude);
    EXPECT_EQ(doc.m_fLongitude, doc.m_cities[0]->m_fLongitude);
    EXPECT_EQ(shown.name, "Quito");
    // Stored as f32 radians: the degrees come back close, not always exact.
    EXPECT_NEAR(std::stod(shown.latitude), -0.22, 1e-6);
    EXPECT_NEAR(std::stod(shown.longitude), -78.5, 1e-5);
    ASSERT_TRUE(TakeCityPlace(doc, 1, shown));
    EXPECT_EQ(shown.latitude, "0");
    EXPECT_FALSE(TakeCityPlace(doc, 2, shown));
    EXPECT_FALSE(TakeCityPlace(doc, -1, shown));
    EXPECT_EQ(doc.m_fLatitude, 0.0f);
}

TEST(CityList, DeleteRemovesOneCityAndKeepsThePlace) {
    CLumoDoc doc;
    for (const char* name : {"A", "B", "C"}) AddNewCity(doc, Place(name, 0, 0));
    const float lat = doc.m_fLatitude;
    EXPECT_FALSE(DeleteCity(doc, 3));
    EXPECT_FALSE(DeleteCity(doc, -1));
    ASSERT_TRUE(DeleteCity(doc, 1));
    ASSERT_EQ(doc.m_cities.size(), 2u);
    EXPECT_EQ(doc.m_cities[1]->m_strName, "C");
    EXPECT_EQ(SortedCityList(doc)[1].index, 1);
    EXPECT_EQ(doc.m_fLatitude, lat);
}

TEST(CityList, FieldsAreCheckedAgainstTheirRanges) {
    auto read = [](const std::string& lat, const std::string& lon, TypedPlace& place,
                   PlaceField& bad, std::string& message) {
        return ReadPlaceTexts({"X", lat, lon}, place, bad, message);
    };
    TypedPlace p;
    PlaceField bad;
    std::string message;
    struct Good {
        const char *lat, *lon;
        double la, lo;
    } good[] = {{"90", "-360", 90, -360}, {" -90 ", "+360", -90, 360}, {"40.5", "1e1", 40.5, 10},
                {"-0", "0.000001", 0, 1e-6}};
    for (const Good& g : good) {
        ASSERT_TRUE(read(g.lat, g.lon, p, bad, message)) << g.lat << " " << g.lon << ": " << message;
        EXPECT_EQ(p.latitude, g.la);
        EXPECT_EQ(p.longitude, g.lo);
        EXPECT_EQ(p.name, "X");
    }
    for (const char* lat : {"", " ", "abc", "90.0001", "-91", "12abc", "1,5", "nan", "inf", "+-5", "--5"}) {
        ASSERT_FALSE(read(lat, "0", p, bad, message)) << lat;
        EXPECT_EQ(bad, PlaceField::Latitude);
        EXPECT_EQ(message, "Lat must be a number between -90 and 90.");
    }
    for (const char* lon : {"360.5", "-1e3", "x"}) {
        ASSERT_FALSE(read("0", lon, p, bad, message)) << lon;
        EXPECT_EQ(bad, PlaceField::Longitude);
        EXPECT_EQ(message, "Lon must be a number between -360 and 360.");
    }
    EXPECT_EQ(p.longitude, 1e-6);  // a failed read leaves the last good place

    CLumoDoc doc;
    ASSERT_TRUE(read("-33.9", "151.2", p, bad, message));
    MoveToPlace(doc, p);
    EXPECT_EQ(doc.m_fLatitude, static_cast<float>(-33.9 * 0.017453292519943295));
    EXPECT_EQ(doc.m_fLongitude, static_cast<float>(151.2 * 0.017453292519943295));
}

}  // namespace
