#pragma once
// Reads data/deepsky.tsv and data/milkyway.tsv into the deep sky that
// lumo-mkdeepsky writes as deepsky.dat. False with error naming the file and
// line when a source is missing or malformed.

#include <string>

class CDeepSky;

bool BuildDeepSky(const std::string& dataDir, CDeepSky& sky, std::string& error);
