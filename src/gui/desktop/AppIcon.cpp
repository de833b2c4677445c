#include "gui/desktop/AppIcon.h"

QIcon ApplicationIcon() { return QIcon(QStringLiteral(":/icons/spatium.svg")); }
