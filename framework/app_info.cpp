#include "app_info.h"

#include <QCoreApplication>
#include <QFileInfo>

QString AfxGetModuleFileName() { return QCoreApplication::applicationFilePath(); }

QString AfxGetAppName() { return QFileInfo(AfxGetModuleFileName()).completeBaseName(); }
