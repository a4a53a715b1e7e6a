// The application icon: an outlined figure with its centroid and principal
// axes, drawn at start-up. packaging/veldrio.svg draws the same figure.
#pragma once

class QIcon;
class QImage;

QIcon AppIcon();

// The icon drawn at size x size pixels (the launcher's files are made from it).
QImage AppIconImage(int size);
