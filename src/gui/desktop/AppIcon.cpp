#include "gui/desktop/AppIcon.h"

QIcon applicationIcon() { return QIcon(QStringLiteral(":/icons/spatium.svg")); }
