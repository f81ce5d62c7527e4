#pragma once
// The font the windows are drawn with. The system's default font is used when it can show them;
// a system whose default font name resolves to an unsuitable face (e.g. a Windows font name
// substituted by whatever face is installed) gets the first suitable installed family instead.

#include <future>

class QFont;

namespace orvane {

// Starts reading the system's font configuration on another thread and returns at once. Where
// Qt's fonts come from fontconfig, reading its configuration and font caches is the longest step
// of the start (several milliseconds); begun before the application object is made, it runs
// beside that. Wait for the result before the first font is asked for (SetUpUiFont); elsewhere
// the result is ready at once.
std::future<void> StartReadingFontConfiguration();

// Whether `font` can show the windows: it writes Russian, and a number in it fits a line edit
// (a line edit centres its text on the text's bounding box; a face whose glyph box is far taller
// than its line puts the number above the field's visible area, and the field looks empty).
bool IsUsableUiFont(const QFont &font);

// Keeps the application's font when it is usable, else sets the first usable installed family at
// the same size. Call once, after the application object exists and before any window is built.
// Returns whether the font was replaced.
bool EnsureUsableUiFont();

// The window font the program starts with: EnsureUsableUiFont, then, when the font is named by
// an alias ("Sans Serif" on a desktop without a theme), named by the family the alias resolves
// to. Qt would otherwise ask fontconfig for the alias's substitutes again for every style and
// script the windows draw (about a million instructions each, five times before a module
// window's first frame); the text is drawn in the very same font. Call once, as
// EnsureUsableUiFont.
void SetUpUiFont();

} // namespace orvane
