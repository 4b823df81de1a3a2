#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace maintenance {

// A message for the user: shown as a modal box with this title and text.
struct Problem {
    QString title;
    QString text;
};

// What a conversion ended with. On a complete run `status` holds the text the
// window shows as its end report (empty for conversions that report nothing);
// otherwise `problem` says what went wrong and `status` stays empty, so that a
// status text always means "the whole input was read and written".
struct Outcome {
    QString status;
    std::optional<Problem> problem;
    int records = 0;  // records written or appended

    bool ok() const { return !problem.has_value(); }
};

// Shows the problem of an outcome, if any, as a message box; returns ok().
bool report(QWidget* parent, const Outcome& outcome);

}  // namespace maintenance
