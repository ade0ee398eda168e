#pragma once

#include <cstdint>

#include "text/text.h"

// The piece between the first startMarker at or after startPosition and the
// first endMarker behind it, with either marker kept when its flag is 1.
// "#引号" in a marker stands for a double quote. Any failure gives the empty text.
Text TextBetween(const Text& text, const Text& startMarker, const Text& endMarker, int32_t startPosition,
                 bool ignoreCase, int32_t includeFront, int32_t includeBack);

// The piece from (includeMarker 1) or behind the marker's first (mode 1) or
// last (mode 2) occurrence to the end of the text.
Text TextAfter(const Text& text, const Text& marker, int32_t mode, int32_t includeMarker);
