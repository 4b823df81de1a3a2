#include "maintenance/Outcome.h"

#include "common/Messages.h"

namespace maintenance {

bool report(QWidget* parent, const Outcome& outcome) {
    if (outcome.problem) messages::show(parent, outcome.problem->title, outcome.problem->text);
    return outcome.ok();
}

}  // namespace maintenance
