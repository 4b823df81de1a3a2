#pragma once

#include <QString>

// The reason a file operation failed, in words a user understands, from the
// system's error number (errno) of the failed call.
namespace fileerror {

// "der Datenträger ist voll", "keine Schreibberechtigung" ...
QString reason(int systemError);

}  // namespace fileerror
