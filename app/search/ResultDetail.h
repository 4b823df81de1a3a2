#pragma once

#include "MainVariables.h"

#include <QDateTime>
#include <QList>

// Reads the selected hit back from the ResultFile.
namespace detail {

// Where each record of the ResultFile starts, noted while the search wrote it,
// with the file's size and time then: valid only for that very file.
struct ResultIndex {
    QList<qint64> starts;
    qint64 size = -1;
    QDateTime modified;
};

// Reads record `index` of the ResultFile into the record buffer. With an
// index that still fits the file, the record is read at its place; otherwise
// records 0..index are read from the start. False when the file is missing or
// holds fewer records (nothing of the buffer is then to be shown).
bool readHit(int index, MainVariables& vars, const ResultIndex& where = {});

}  // namespace detail
