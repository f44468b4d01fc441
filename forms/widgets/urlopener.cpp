#include "forms/widgets/urlopener.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopUrlOpener::open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
