#pragma once

#include <cstdint>
#include <optional>

#include "text/text.h"

// The text operations everything else is written in. Positions are 1-based
// byte positions, lengths and counts are bytes, -1 means "not found", and any
// 32-bit value is accepted for a position or a count. The searching and
// space-removing operations walk by GBK characters (a byte of 0x80 or more and
// the byte after it); the counting and cutting ones see bytes only.

int32_t TextLength(const Text& text);
Text TextLeft(const Text& text, int32_t count);
Text TextMid(const Text& text, int32_t start, int32_t count);

// std::nullopt is an omitted start position, which is not the same as any
// value: FindTextReverse searches the whole text when it is omitted and finds
// nothing when it is given as 0 or 1.
int32_t FindText(const Text& text, const Text& sought, std::optional<int32_t> start, bool ignoreCase);
int32_t FindTextReverse(const Text& text, const Text& sought, std::optional<int32_t> start, bool ignoreCase);

// Note the flag's sense: true matches exactly, false folds ASCII case.
// An omitted replacement removes what is found; an omitted or negative count
// replaces every occurrence.
Text ReplaceSubtext(const Text& text, const Text& sought, std::optional<Text> replacement,
                    std::optional<int32_t> start, std::optional<int32_t> count, bool caseSensitive);

// The spaces are the ASCII space and the full-width space A1 A1, nothing else.
Text RemoveAllSpaces(const Text& text);
Text TrimBothEnds(const Text& text);

// -1, 0 or 1, bytes compared as unsigned values.
int CompareText(const Text& a, const Text& b);
