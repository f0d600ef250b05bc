#pragma once

#include "platform/Platform.h"

// Routes one event by its kind, then by its control or menu number; events
// nobody handles (the worker's wake-up among them) are dropped.
void DispatchEvent(const platform::Event& event);

// Waits for and dispatches events until Quit.
void RunEventLoop();
