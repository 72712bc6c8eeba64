#pragma once
// Runs the program with its window until the user ends it; returns the exit status.

int RunWindow(int argc, char** argv);
