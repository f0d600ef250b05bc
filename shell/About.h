#pragma once

// The About alert, with the window's commands off while it is up.
void ShowAbout();
