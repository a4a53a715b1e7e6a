// Radians to degrees as the results are shown: with pi taken as 3.1415926,
// not a longer value, so that the arc check and the reports agree with the
// numbers users have always seen.
#pragma once

inline constexpr double PI_FOR_DEGREES = 3.1415926;

inline constexpr double DegreesFromRadians(double radians) { return radians * 180 / PI_FOR_DEGREES; }
