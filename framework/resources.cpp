#include "resources.h"

#include <QFile>

QString IconResourcePath(int nID) { return QStringLiteral(":/res/icon/%1.svg").arg(nID); }

QString BitmapResourcePath(int nID) { return QStringLiteral(":/res/bitmap/%1.svg").arg(nID); }

QIcon AfxLoadIcon(int nID) {
    const QString strPath = IconResourcePath(nID);
    return QFile::exists(strPath) ? QIcon(strPath) : QIcon();
}
