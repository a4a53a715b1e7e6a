// The application icon: an outlined figure with its centroid and principal
// axes, drawn at start-up.
#pragma once

class QIcon;

QIcon AppIcon();
