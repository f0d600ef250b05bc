#pragma once

// Routed already; export, start at login and the update check fill them in.
void ExportResults();
void ToggleStartAtLogin();
void CheckForUpdate();
void OnNewerVersionFound();
void OnNoNewerVersion();
