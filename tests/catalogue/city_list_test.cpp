#include <gtest/gtest.h>

#include "astro/angles.h"
#include "catalogue/city_list.h"
#include "catalogue/lumo_doc.h"

namespace {

TypedPlace Place(const std::string& name, double lat = 0, double lon = 0) { return {name, lat, lon}; }

TEST(CityList, NewRefusesAnEmptyOrExactlyRepeatedNameAndTheListIsSortedIgnoringCase) {
    CLumoDoc doc;
    const float lat = doc.m_fLatitude;
    EXPECT_EQ(AddNewCity(doc, Place("", 10, 20)), AddCityResult::EmptyName);
    EXPECT_EQ(AddNewCity(doc, Place("Quito", 40.4, -3.7)), AddCityResult::Added);
    EXPECT_EQ(AddNewCity(doc, Place("Quito")), AddCityResult::Duplicate);
    for (const char* name : {"madrid", "Lima", "QUITO", "Madrid", "Quito "})  // whole names, any case
        EXPECT_EQ(AddNewCity(doc, Place(name)), AddCityResult::Added) << name;
    EXPECT_EQ(doc.m_fLatitude, lat);  // New does not move the observer
    std::vector<std::string> names;
    for (const CityEntry& e : SortedCityList(doc)) names.push_back(doc.m_cities[e.index]->m_strName);
    EXPECT_EQ(names, (std::vector<std::string>{"Lima", "Madrid", "madrid", "QUITO", "Quito", "Quito "}));
}

TEST(CityList, SelectingMovesTheObserverAndDeletingDoesNot) {
    CLumoDoc doc;
    AddNewCity(doc, Place("Quito", -0.22, -78.5));
    AddNewCity(doc, Place("Null Island"));
    PlaceTexts shown;
    ASSERT_TRUE(TakeCityPlace(doc, 0, shown));
    EXPECT_TRUE(shown.name == "Quito" && doc.m_fLongitude == doc.m_cities[0]->m_fLongitude);
    // Stored as f32 radians: the degrees come back close, not always exact.
    EXPECT_NEAR(std::stod(shown.latitude), -0.22, 1e-6);
    EXPECT_FALSE(TakeCityPlace(doc, 2, shown) || DeleteCity(doc, -1));
    ASSERT_TRUE(DeleteCity(doc, 0));
    EXPECT_EQ(SortedCityList(doc).at(0).name, "Null Island");
    EXPECT_EQ(doc.m_fLongitude, static_cast<float>(-78.5 * kDegToRad));
}

// The texts shown for the current place read back to exactly that place.
TEST(CityList, OpeningAtTheCurrentPlaceThenGoKeepsThePlaceExactly) {
    CLumoDoc doc;
    AddNewCity(doc, Place("Quito", -0.22, -78.5));
    AddNewCity(doc, Place("Quito again", -0.22, -78.5));
    // The cities' place, then places all over the globe where no city is.
    for (int k = 0; k < 400; ++k) {
        const float lat = k ? -1.5f + 0.0075f * k : doc.m_cities[1]->m_fLatitude;
        const float lon = k ? 3.1f - 0.0155f * k : doc.m_cities[1]->m_fLongitude;
        doc.m_fLatitude = lat;
        doc.m_fLongitude = lon;
        PlaceTexts shown;
        EXPECT_EQ(CurrentPlace(doc, shown), k ? -1 : 0);  // the first city at that place
        EXPECT_EQ(shown.name, k ? "" : "Quito");
        TypedPlace place;
        PlaceField bad;
        std::string message;
        ASSERT_TRUE(ReadPlaceTexts(shown, place, bad, message)) << message;
        MoveToPlace(doc, place);
        ASSERT_TRUE(doc.m_fLatitude == lat && doc.m_fLongitude == lon) << shown.latitude;
    }
}

TEST(CityList, FieldsAreNumbersWithinTheirRanges) {
    TypedPlace p;
    PlaceField bad;
    std::string message;
    auto read = [&](const std::string& lat, const std::string& lon) {
        return ReadPlaceTexts({"X", lat, lon}, p, bad, message);
    };
    ASSERT_TRUE(read(" -90 ", "+360"));
    EXPECT_TRUE(p.latitude == -90 && p.longitude == 360);
    ASSERT_TRUE(read("40.5", "-1e1"));
    for (const char* lat : {"", "abc", "90.0001", "-91", "12abc", "1,5", "nan", "inf", "+-5"}) {
        ASSERT_FALSE(read(lat, "0")) << lat;
        EXPECT_EQ(bad, PlaceField::Latitude);
        EXPECT_EQ(message, "Lat must be a number between -90 and 90.");
    }
    ASSERT_FALSE(read("0", "360.5"));
    EXPECT_EQ(bad, PlaceField::Longitude);
    EXPECT_EQ(message, "Lon must be a number between -360 and 360.");
    EXPECT_TRUE(p.latitude == 40.5 && p.longitude == -10);  // a failed read leaves the last good place
}

}  // namespace
