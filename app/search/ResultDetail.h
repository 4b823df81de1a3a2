#pragma once

#include "MainVariables.h"

// Reads the selected hit back from the ResultFile.
namespace detail {

// Reads records 0..index of the ResultFile into the record buffer. False when
// the file is missing or holds fewer records (the buffer is then left as the
// last complete read put it, and nothing of it is to be shown).
bool readHit(int index, MainVariables& vars);

}  // namespace detail
