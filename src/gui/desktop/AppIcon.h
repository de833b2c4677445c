#pragma once
// The program's icon, compiled in: the scalable drawing, which Qt's SVG icon
// engine renders sharply at every size and device pixel ratio.
#include <QIcon>

QIcon applicationIcon();
