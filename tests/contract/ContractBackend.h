#pragma once

// What the contract suite needs from each backend beyond platform/Platform.h.

// A fresh window of 720 x 320 with nothing in it and no events queued.
void OpenContractWindow();
void CloseContractWindow();
// Lets at least `milliseconds` pass on the backend's clock.
void LetTimePass(int milliseconds);
