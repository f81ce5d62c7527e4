#pragma once
// Icons come from the program's own resources. Without this, every standard icon of the style
// and every file type in a file dialog is first looked for in the icon themes on disk: hundreds
// of failed file look-ups per icon on a machine where no theme has it, a noticeable share of
// the start and of a file dialog's opening.

namespace orvane {

// UseOwnStyle and UseOwnIconTheme together.
void UseOwnIcons();

// Call once, after the application object exists and before any window is built: wraps the
// application's style so that the extension arrows every menu bar and tool bar makes in its
// constructor (shown only when the bar is too narrow for its entries) are read when first drawn
// instead (the style reads each of their pictures in every size it has), and so that the
// style's first standard icon sets the icon theme up (UseOwnIconTheme) before it is looked for.
void UseOwnStyle();

// Icons named by the style and the file dialogs are looked for in the program's own theme only.
// Icons a window sets itself are unaffected; standard icons fall back to the style's built-in
// ones. Setting the theme up reads Qt's icon engine plugins, so a program may leave it until the
// first icon is looked for by name (the main window's first frame looks for none); the style of
// UseOwnStyle calls it before its first standard icon. Calls after the first do nothing.
void UseOwnIconTheme();

} // namespace orvane
