#pragma once
// Runs the program with its window until the user ends it; returns the exit status.

#include <string>

// document: a file to open in place of the catalogue once the window is up
// (as File > Open does, with its message when it cannot be read); empty for
// none.
int RunWindow(int argc, char** argv, const std::string& document = {});
