#include "Lexikon.h"
Lexikon::Lexikon(const QStringList&, QWidget* parent) : QWidget(parent) { setObjectName("lexikon"); }
