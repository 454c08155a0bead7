#pragma once

#include "library/schema.h"
#include "centrerecords.h"

#include <ostream>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
