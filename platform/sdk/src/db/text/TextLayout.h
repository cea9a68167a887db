// The glyph model shared by single-line and multiline text: every glyph advances
// kGlyphAdvance x height x width factor (spaces too), lines are one height tall and have no
// descent. Also the formatting-code reader of multiline contents and its line layout.
#ifndef OD_DB_TEXT_LAYOUT_H
#define OD_DB_TEXT_LAYOUT_H

#include <vector>

#include "OdString.h"

namespace OdDbTextLayout
{
const double kGlyphAdvance = 0.6;
// Distance between the baselines of two lines of multiline text, per unit of text height, at
// line spacing factor 1.
const double kLineSpacing = 5.0 / 3.0;

// Glyphs of a single-line text string: "%%d", "%%p", "%%c", "%%%" and "%%nnn" are one glyph,
// the underline and overline toggles "%%u" and "%%o" none, every other character one.
int glyphCount(const OdString& text);

// Multiline contents without formatting codes; paragraph and column breaks become '\n'.
OdString plainText(const OdString& contents);

// The lines of plain multiline text (paragraphs split at '\n'), each wrapped at wrapWidth
// when it is positive: words (separated by spaces) move to the next line when they do not
// fit; a word longer than the width stays on a line of its own. Empty text has no lines.
std::vector<OdString> wrapLines(const OdString& plain, double advance, double wrapWidth);

// Width of a laid-out line.
double lineWidth(const OdString& line, double advance);
} // namespace OdDbTextLayout

#endif
