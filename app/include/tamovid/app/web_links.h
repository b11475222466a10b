#pragma once

#include <QString>
#include <QUrl>

namespace tamovid {

/// The project's own web pages that menus and link labels open.
enum class WebPage { kOnlineHelp, kHomePage, kDownload, kDonate, kFullBrand, kCobrand };

/// The site every page lives under, fixed when the program is built.
QString SiteAddress();

/// The address of one page.
QUrl WebAddress(WebPage page);

}  // namespace tamovid
