#pragma once

#include "store/FieldValue.h"

#include <QDateTime>
#include <QList>

#include <optional>

// Reads the selected hit back from the ResultFile.
namespace detail {

// Where each record of the ResultFile starts, noted while the search wrote it,
// with the file's size and time then: valid only for that very file.
struct ResultIndex {
    QList<qint64> starts;
    qint64 size = -1;
    QDateTime modified;
};

// Reads record `index` (from 0) of the ResultFile: its seven values. With an
// index that still fits the file, the record is read at its place; otherwise
// the records are read from the start up to it. Nothing when the file is
// missing or holds fewer records.
std::optional<FieldValues> readHit(int index, const ResultIndex& where = {});

}  // namespace detail
