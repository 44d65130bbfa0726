// The translations of the core's texts: every text of the tables and every phrase is in both
// .ts files and translated, the translations keep what the program fills in or reads back,
// the compiled translations in the resources say the same, and the .ts files hold exactly
// the texts that lupdate finds in the sources today.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

#include "codec/wording.h"
#include "tests/translations/catalog.h"

namespace brindlex::test {
namespace {

const QStringList kTranslated = {QStringLiteral("de"), QStringLiteral("es")};

QString Shown(std::string_view text) {
    return QString::fromStdString(ShownText(text));
}

// The placeholders "%1" .. "%9" of a text.
std::set<QString> Placeholders(const QString& text) {
    std::set<QString> found;
    const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        found.insert(it.next().captured());
    }
    return found;
}

// The numbers that begin the lines of a help text ("6 - ..."), which the explainer reads.
std::set<QString> LineNumbers(const QString& text) {
    std::set<QString> numbers;
    const QRegularExpression numbered(QStringLiteral("^([0-9]) - "),
                                      QRegularExpression::MultilineOption);
    for (auto it = numbered.globalMatch(text); it.hasNext();) {
        numbers.insert(it.next().captured(1));
    }
    return numbers;
}

TEST(CoreTexts, EveryTextOfTheTablesIsInBothFilesAndTranslated) {
    for (const QString& language : kTranslated) {
        const Catalog& catalog = CatalogOf(language);
        ASSERT_TRUE(catalog.error().isEmpty()) << catalog.error().toStdString();
        int texts = 0;
        ForEachCoreText([&](std::string_view context, std::string_view text) {
            ++texts;
            const QString where = language + QStringLiteral(" ") +
                                  QString::fromUtf8(context.data(), context.size()) +
                                  QStringLiteral(": ") + Shown(text);
            const TsMessage* message =
                catalog.find(QString::fromUtf8(context.data(), context.size()), Shown(text));
            ASSERT_NE(message, nullptr) << "missing " << where.toStdString();
            EXPECT_TRUE(message->type.isEmpty())
                << message->type.toStdString() << " " << where.toStdString();
            EXPECT_FALSE(message->translation.trimmed().isEmpty()) << where.toStdString();
        });
        EXPECT_GT(texts, 500) << "the walk over the tables found too little";
    }
}

TEST(CoreTexts, TranslationsKeepTheirPlaceholdersAndTheNumberedLinesOfHelpTexts) {
    for (const QString& language : kTranslated) {
        for (const TsMessage& message : CatalogOf(language).messages()) {
            const std::string where = (language + QStringLiteral(" ") + message.context +
                                       QStringLiteral(": ") + message.source)
                                          .toStdString();
            EXPECT_EQ(Placeholders(message.translation), Placeholders(message.source)) << where;
            EXPECT_EQ(LineNumbers(message.translation), LineNumbers(message.source)) << where;
            // The window's own code line words stay as they are.
            if (message.source.contains(QStringLiteral("2.0F"))) {
                EXPECT_TRUE(message.translation.contains(QStringLiteral("2.0F"))) << where;
            }
        }
    }
}

TEST(CoreTexts, TheCompiledTranslationsInTheResourcesSayWhatTheFilesSay) {
    for (const QString& language : kTranslated) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/brindlex_") + language))
            << language.toStdString();
        const Catalog& catalog = CatalogOf(language);
        ForEachCoreText([&](std::string_view context, std::string_view text) {
            const std::string key = ShownText(text);
            const std::string scope(context);
            const TsMessage* message =
                catalog.find(QString::fromStdString(scope), QString::fromStdString(key));
            ASSERT_NE(message, nullptr) << key;
            EXPECT_EQ(translator.translate(scope.c_str(), key.c_str()), message->translation)
                << language.toStdString() << " " << scope << ": " << key;
        });
    }
}

TEST(TsFiles, HoldExactlyTheTextsThatLupdateFindsInTheSources) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    for (const QString& language : kTranslated) {
        const QString name = QStringLiteral("brindlex_%1.ts").arg(language);
        const QString copy = scratch.filePath(name);
        ASSERT_TRUE(QFile::copy(QStringLiteral(BRINDLEX_TS_DIR "/") + name, copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(
            QStringLiteral(BRINDLEX_LUPDATE),
            {QStringLiteral("-I"), QStringLiteral(BRINDLEX_SOURCE_DIR),
             QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-obsolete"),
             QStringLiteral("@" BRINDLEX_LUPDATE_SOURCES), QStringLiteral("-ts"), copy});
        ASSERT_TRUE(lupdate.waitForFinished(120000));
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();

        const Catalog& kept = CatalogOf(language);
        const Catalog updated = Catalog::Read(copy);
        ASSERT_TRUE(updated.error().isEmpty()) << updated.error().toStdString();
        for (const TsMessage& message : updated.messages()) {
            EXPECT_NE(kept.find(message.context, message.source, message.comment), nullptr)
                << language.toStdString() << ": new text, run the update_translations target "
                << "and translate it: " << message.context.toStdString() << ": "
                << message.source.toStdString();
        }
        for (const TsMessage& message : kept.messages()) {
            EXPECT_NE(updated.find(message.context, message.source, message.comment), nullptr)
                << language.toStdString()
                << ": no longer in the sources: " << message.context.toStdString() << ": "
                << message.source.toStdString();
            EXPECT_TRUE(message.type.isEmpty())
                << language.toStdString() << ": " << message.type.toStdString() << ": "
                << message.source.toStdString();
        }
    }
}

}  // namespace
}  // namespace brindlex::test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);  // for QProcess
    return RUN_ALL_TESTS();
}
