#include "shell/LaterCommands.h"

void ExportResults() {}
void ToggleStartAtLogin() {}
void CheckForUpdate() {}
void OnNewerVersionFound() {}
void OnNoNewerVersion() {}
