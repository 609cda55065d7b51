// The committed translations against the sources: lupdate reads the sources as the build's
// karnoth_update_translations does, and every text it finds must have a finished translation in
// each language, with the same %1..%n markers, HTML tags, accelerator and closing punctuation.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty for a finished one
};

using Key = std::pair<QString, QString>;  // context, source

std::vector<Message> readTs(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.push_back({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source")) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList split(const char* joined)
{
    return QString::fromUtf8(joined).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

std::string where(const QString& ts, const Message& message)
{
    return QFileInfo(ts).fileName().toStdString() + " [" + message.context.toStdString() + "] \"" +
           message.source.toStdString() + "\"";
}

// What a translation must keep of its source.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9p]"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text)) found << match.captured();
    found.removeDuplicates();
    found.sort();
    return found;
}
QStringList tags(const QString& text)
{
    static const QRegularExpression tag(QStringLiteral("</?([a-z0-9]+)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : tag.globalMatch(text)) found << match.captured();
    found.sort();
    return found;
}
int accelerators(const QString& text)
{
    static const QRegularExpression accelerator(QStringLiteral("&(?![& ])"));
    return static_cast<int>(text.count(accelerator));
}
QString closing(const QString& text)
{
    static const QRegularExpression punctuation(QStringLiteral("[.:;…]+$"));
    return punctuation.match(text).captured();
}

class TranslationsTest : public ::testing::Test {
protected:
    std::vector<QString> committed() const
    {
        std::vector<QString> files;
        for (const QString& file : split(KARNOTH_TS_FILES)) files.push_back(file);
        return files;
    }
};

TEST_F(TranslationsTest, EverySourceTextHasAFinishedTranslationInEveryLanguage)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(KARNOTH_SOURCE_DIR));
    lupdate.start(QStringLiteral(KARNOTH_LUPDATE), split(KARNOTH_LUPDATE_OPTIONS)
                                                       << QStringLiteral("src") << QStringLiteral("-ts") << fresh);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const std::vector<Message> sources = readTs(fresh);
    ASSERT_GT(sources.size(), 100u) << "lupdate found too few texts: are its options right?";

    for (const QString& ts : committed()) {
        std::map<Key, Message> translated;
        for (const Message& message : readTs(ts)) translated[{message.context, message.source}] = message;
        for (const Message& source : sources) {
            const auto it = translated.find({source.context, source.source});
            if (it == translated.end()) {
                ADD_FAILURE() << where(ts, source) << " is missing: build karnoth_update_translations and translate it";
                continue;
            }
            EXPECT_TRUE(it->second.type.isEmpty() && !it->second.translation.isEmpty())
                << where(ts, source) << " is not translated";
        }
    }
}

TEST_F(TranslationsTest, NoEntryIsUnfinishedVanishedOrObsolete)
{
    for (const QString& ts : committed())
        for (const Message& message : readTs(ts))
            EXPECT_TRUE(message.type.isEmpty()) << where(ts, message) << " is " << message.type.toStdString();
}

TEST_F(TranslationsTest, EveryTranslationKeepsWhatItsSourceHolds)
{
    const struct {
        const char* what;
        QStringList (*of)(const QString&);
    } lists[] = {{"placeholders", placeholders}, {"HTML tags", tags}};
    for (const QString& ts : committed())
        for (const Message& message : readTs(ts)) {
            if (!message.type.isEmpty()) continue;  // failed above
            for (const auto& list : lists)
                EXPECT_EQ(list.of(message.translation), list.of(message.source))
                    << where(ts, message) << ": its " << list.what << " differ in \""
                    << message.translation.toStdString() << "\"";
            EXPECT_EQ(accelerators(message.translation), accelerators(message.source))
                << where(ts, message) << ": its accelerator differs in \"" << message.translation.toStdString() << "\"";
            EXPECT_EQ(closing(message.translation), closing(message.source))
                << where(ts, message) << ": its closing punctuation differs in \"" << message.translation.toStdString()
                << "\"";
        }
}

}  // namespace
