#include "text/extract.h"

#include <optional>

#include "text/primitives.h"

namespace {

// "#引号" in GBK: '#' and the two characters D2FD BAC5.
const Text kQuoteEscape("#\xD2\xFD\xBA\xC5");
const Text kDoubleQuote("\"");

Text UnescapeQuotes(const Text& marker) {
  return ReplaceSubtext(marker, kQuoteEscape, kDoubleQuote, std::nullopt, std::nullopt, true);
}

}  // namespace

Text TextBetween(const Text& text, const Text& startMarker, const Text& endMarker, int32_t startPosition,
                 bool ignoreCase, int32_t includeFront, int32_t includeBack) {
  const Text start = UnescapeQuotes(startMarker);
  const Text end = UnescapeQuotes(endMarker);
  const int64_t m = TextLength(start);
  const int64_t n = TextLength(end);

  const int64_t p1 = FindText(text, start, startPosition, ignoreCase);
  if (p1 == -1)
    return Text();
  // The end marker counts only from the first byte behind the start marker.
  const int64_t p2 = FindText(text, end, static_cast<int32_t>(p1 + m), ignoreCase);
  if (p2 == -1)
    return Text();

  int64_t from = 0;
  int64_t count = 0;
  if (includeFront == 1 && includeBack == 0) {
    from = p1, count = p2 - p1;
  } else if (includeFront == 0 && includeBack == 0) {
    from = p1 + m, count = p2 - p1 - m;
  } else if (includeFront == 1 && includeBack == 1) {
    from = p1, count = p2 - p1 + n;
  } else if (includeFront == 0 && includeBack == 1) {
    from = p1 + m, count = p2 - p1 - m + n;
  } else {
    return Text();
  }
  return TextMid(text, static_cast<int32_t>(from), static_cast<int32_t>(count));
}

Text TextAfter(const Text& text, const Text& marker, int32_t mode, int32_t includeMarker) {
  if (CompareText(text, Text()) == 0 || CompareText(marker, Text()) == 0)
    return Text();
  int64_t p = -1;
  if (mode == 1) {
    p = FindText(text, marker, std::nullopt, false);
  } else if (mode == 2) {
    p = FindTextReverse(text, marker, std::nullopt, false);
  } else {
    return Text();  // no other mode searches
  }
  if (p == -1)
    return Text();
  const int64_t length = TextLength(text);
  const int64_t k = TextLength(marker);
  if (includeMarker == 1)
    return TextMid(text, static_cast<int32_t>(p), static_cast<int32_t>(length - p + 1));
  return TextMid(text, static_cast<int32_t>(p + k), static_cast<int32_t>(length - p + 1 - k));
}
