#pragma once

// Writes the analysis and a fresh report to a file the user names, then
// reveals it; every way it can end short of that is reported in an alert.
void ExportResults();
