#pragma once
// Builds the catalogue document from the text sources of data/ (stars,
// figures, bounds, labels, cities). The view settings keep their defaults.

#include <string>

class CLumoDoc;

// Radius of the catalogue's sky points, the same as the generated lines use.
constexpr double kCatalogueRadius = 149597900000.0;

bool BuildCatalogue(const std::string& dataDir, CLumoDoc& doc, std::string& error);
