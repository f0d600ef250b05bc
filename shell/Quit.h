#pragma once

// Waits for a running worker, releases the job, closes the window, removes the
// status item and ends the event loop.
void Quit();
