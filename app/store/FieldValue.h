#pragma once

#include <QList>
#include <QString>
#include <optional>

// A field of a record file: a text, or absent (an empty unquoted item).
// Every comparison and length treats an absent value as the empty text; only a
// writer that passes a value through distinguishes the two.
using FieldValue = std::optional<QString>;
using FieldValues = QList<FieldValue>;

inline QString textOf(const FieldValue& v) { return v.value_or(QString()); }
