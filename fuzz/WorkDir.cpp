#include "WorkDir.h"

#include "FuzzCheck.h"

#include <QDir>
#include <QTemporaryDir>

void enterFuzzWorkDir() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/sippora-fuzz-XXXXXX"));
    static const bool entered = dir.isValid() && QDir::setCurrent(dir.path());
    FUZZ_CHECK(entered, "a temporary working directory");
}
