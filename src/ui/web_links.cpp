#include "web_links.h"

#include <QDesktopServices>

#include "web_link_addresses.h"

namespace tavolix::ui {

UrlOpener default_url_opener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

QString home_page_address() {
    return QStringLiteral(TAVOLIX_HOME_URL);
}
QString manual_page_address() {
    return QStringLiteral(TAVOLIX_MANUAL_URL);
}

}  // namespace tavolix::ui
