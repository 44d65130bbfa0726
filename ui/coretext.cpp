#include "ui/coretext.h"

#include <string>

#include <QByteArray>
#include <QCoreApplication>

#include "codec/wording.h"
#include "profile/categories.h"
#include "profile/textcontexts.h"

namespace brindlex {

namespace {

class UserLanguage : public Wording {
public:
    std::string text(std::string_view context, std::string_view english) const override {
        return CoreText(std::string(context).c_str(), english).toStdString();
    }
};

}  // namespace

QString DisplayText(std::string_view text) {
    const std::string shown = ShownText(text);
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

QString CoreText(const char* context, std::string_view text) {
    const std::string shown = ShownText(text);
    return QCoreApplication::translate(context, shown.c_str());
}

const char* CaptionContext(int category) {
    return CategoryOf(category).page == PageKind::kKink ? text_context::kKinks
                                                        : text_context::kCategories;
}

const Wording& UserWording() {
    static const UserLanguage wording;
    return wording;
}

}  // namespace brindlex
