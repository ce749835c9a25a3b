#pragma once

#include <QString>

// Points HOME and the XDG folders at a folder of the benchmark's own, so that the data module
// opens the generated store and never the user's.
void useHome(const QString& home);
