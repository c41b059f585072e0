#pragma once
// Icons and bitmaps by resource ID. The images are SVG files embedded as Qt resources under
// :/res/icon/<ID>.svg and :/res/bitmap/<ID>.svg (see res/CMakeLists.txt).

#include <QIcon>
#include <QString>

QString IconResourcePath(int nID);
QString BitmapResourcePath(int nID);

// An empty icon when the resource is missing.
QIcon AfxLoadIcon(int nID);
