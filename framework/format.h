#pragma once
// printf-style formatting into a std::string ("%f", "%s", "%c", "%.0f", "%.3f", ...).

#include <string>

std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
