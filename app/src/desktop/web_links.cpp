#include "tamovid/app/desktop/web_links.h"

#include <array>
#include <string_view>

#ifndef TAMOVID_SITE
#define TAMOVID_SITE "https://tamovid.example"
#endif
#ifndef TAMOVID_SEARCH_TEMPLATE
#define TAMOVID_SEARCH_TEMPLATE "https://duckduckgo.com/?q=%1"
#endif

namespace tamovid {
namespace {

struct WebLink {
    WebPage page;
    std::string_view path;
};

// Every address the program opens, relative to the site chosen at build time.
constexpr std::array kWebLinks = {
    WebLink{WebPage::kOnlineHelp, "/help/"},    WebLink{WebPage::kHomePage, "/"},
    WebLink{WebPage::kDownload, "/download/"},  WebLink{WebPage::kDonate, "/donate/"},
    WebLink{WebPage::kFullBrand, "/branding/"}, WebLink{WebPage::kCobrand, "/cobranding/"},
};

}  // namespace

QString SiteAddress() {
    QString site = QStringLiteral(TAMOVID_SITE);
    while (site.endsWith(u'/')) {
        site.chop(1);
    }
    return site;
}

QUrl WebAddress(WebPage page) {
    for (const WebLink& link : kWebLinks) {
        if (link.page == page) {
            return QUrl(
                SiteAddress() +
                QString::fromLatin1(link.path.data(), static_cast<qsizetype>(link.path.size())));
        }
    }
    return QUrl(SiteAddress() + u'/');
}

QString SearchTemplate() { return QStringLiteral(TAMOVID_SEARCH_TEMPLATE); }

QUrl WebSearchAddress(const QString& query, const QString& searchTemplate) {
    // Encoded in full (blanks, '&', '#', '+', non-ASCII), so the query cannot end the
    // parameter early or reach the address as anything but one value.
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(query));
    QString address = searchTemplate;
    address.replace(QStringLiteral("%1"), encoded);
    return QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode);
}

}  // namespace tamovid
