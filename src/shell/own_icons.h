#pragma once
// Icons come from the program's own resources. Without this, every standard icon of the style
// and every file type in a file dialog is first looked for in the icon themes on disk: hundreds
// of failed file look-ups per icon on a machine where no theme has it, a noticeable share of
// the start and of a file dialog's opening.

namespace orvane {

// Call once, after the application object exists and before any window is built. Icons a
// window sets itself are unaffected; standard icons fall back to the style's built-in ones.
void UseOwnIcons();

} // namespace orvane
