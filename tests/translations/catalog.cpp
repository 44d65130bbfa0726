#include "tests/translations/catalog.h"

#include <QFile>
#include <QXmlStreamReader>

namespace brindlex::test {

Catalog Catalog::OfLanguage(const QString& language) {
    if (language == QLatin1String("en")) {
        return Catalog();
    }
    return Read(QStringLiteral(BRINDLEX_TS_DIR "/brindlex_%1.ts").arg(language));
}

Catalog Catalog::Read(const QString& path) {
    Catalog catalog;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalog.m_error = path + QStringLiteral(": ") + file.errorString();
        return catalog;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
                catalog.m_index[{message.context, message.source, message.comment}] =
                    catalog.m_messages.size();
                catalog.m_messages.push_back(message);
            }
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = TsMessage{context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
        }
    }
    if (xml.hasError()) {
        catalog.m_error = path + QStringLiteral(": ") + xml.errorString();
    }
    return catalog;
}

const TsMessage* Catalog::find(const QString& context, const QString& source,
                               const QString& comment) const {
    const auto it = m_index.find({context, source, comment});
    return it == m_index.end() ? nullptr : &m_messages[it->second];
}

QString Catalog::shown(const char* context, const QString& source) const {
    const TsMessage* message = find(QString::fromLatin1(context), source);
    return message != nullptr && message->type.isEmpty() && !message->translation.isEmpty()
               ? message->translation
               : source;
}

const Catalog& CatalogOf(const QString& language) {
    static std::map<QString, Catalog> catalogs;
    auto it = catalogs.find(language);
    if (it == catalogs.end()) {
        it = catalogs.emplace(language, Catalog::OfLanguage(language)).first;
    }
    return it->second;
}

}  // namespace brindlex::test
