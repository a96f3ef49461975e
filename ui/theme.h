// The program's own look, on or off for the whole UI thread.
#pragma once

namespace island {

// Schemes 1 to 3 (blue, olive green, silver) restyle every window of a known
// kind on this thread, those that exist and those made later: push buttons,
// radio buttons, check boxes, group boxes, the borders of edit boxes, combo
// boxes with their lists, up-down controls. Any other value turns the theme
// off and gives each restyled window its own drawing back. The theme only
// paints: input, focus, states and notifications are untouched.
void SetTheme(int scheme);

// The scheme in force, 0 when off.
int CurrentScheme();

}  // namespace island
