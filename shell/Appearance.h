#pragma once

// Dark mode forces black text on the editor's light background; a change back
// to light mode leaves the colour as it is.
void OnAppearanceChanged();
