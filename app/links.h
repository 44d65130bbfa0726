// Addresses on the Brindlex web site.
#pragma once

#include <QString>
#include <QUrl>

namespace brindlex {

// The site's home page. res/CMakeLists.txt reads these two lines for the AppStream metainfo,
// so keep each constant on one line of its own.
inline constexpr char kHomePage[] = "https://brindlex.org";
inline constexpr char kDonatePath[] = "/?page_id=158";

// The site root, opened by "Check For Update".
inline QUrl HomePageUrl() {
    return QUrl(QString::fromLatin1(kHomePage) + QLatin1Char('/'));
}

// The donation page, opened by "Donate".
inline QUrl DonatePageUrl() {
    return QUrl(QString::fromLatin1(kHomePage) + QString::fromLatin1(kDonatePath));
}

}  // namespace brindlex
