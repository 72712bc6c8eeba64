#pragma once
// The Moon's geocentric position from the abridged ELP-2000/82 lunar theory
// (60 + 60 periodic terms and the additive terms), with the mean-element
// polynomials of the 1991 edition of Meeus' book.

// For a Julian day (UT, no Delta-T): ecliptic longitude lambda, radians in
// [0, 2 pi], latitude beta, radians (not reduced), both for the mean equinox
// of the date, and the distance from the Earth's centre in units of 6378 km.
// No state, no allocation. Called by ComputePositions for theory 10.
void MoonPosition(double julianDay, double& lambda, double& beta, double& distance);
