// The messages of a .ts file of the source tree, to compare with what the program shows.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include <QString>

namespace brindlex::test {

struct TsMessage {
    QString context;
    QString source;
    QString comment;  // the disambiguation
    QString translation;
    QString type;  // of the translation: empty when finished, else "unfinished", "vanished" ...
};

class Catalog {
public:
    // The .ts file of `language` ("de", "es") in the source tree; empty for English.
    static Catalog OfLanguage(const QString& language);
    static Catalog Read(const QString& path);

    // Why the file could not be read, or an empty string.
    const QString& error() const { return m_error; }
    const std::vector<TsMessage>& messages() const { return m_messages; }
    const TsMessage* find(const QString& context, const QString& source,
                          const QString& comment = QString()) const;
    // What the program shows for `source` in the catalog's language: the translation, or the
    // text itself where the catalog has none (as for English).
    QString shown(const char* context, const QString& source) const;

private:
    std::vector<TsMessage> m_messages;
    std::map<std::tuple<QString, QString, QString>, std::size_t> m_index;
    QString m_error;
};

// The .ts file of `language`, read once.
const Catalog& CatalogOf(const QString& language);

}  // namespace brindlex::test
