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

/// The web search address template, fixed when the program is built; "%1" stands for
/// the query.
QString SearchTemplate();

/// The address of a web search for a query, the query percent-encoded in place of the
/// template's "%1".
QUrl WebSearchAddress(const QString& query, const QString& searchTemplate = SearchTemplate());

}  // namespace tamovid
