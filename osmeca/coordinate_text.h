// Coordinates arrive as the text of the edit window's cells.
#pragma once

#include <cstddef>

namespace osmeca {

// Reads the whole field (at most size bytes, stops at a zero byte) as one
// decimal number: blanks around it, an optional sign, digits with an
// optional fraction and exponent ("12.5", "1.2e2", "-3", "+4"). False for
// an empty field, anything else in it, or a value that is not finite.
// Independent of the process locale.
bool ParseCoordinateText(const char* text, std::size_t size, double& value);

}  // namespace osmeca
