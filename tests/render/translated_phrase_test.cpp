#include "render/translated_phrase.h"

#include "gui_application.h"

#include <QTranslator>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace karnoth::render {
namespace {

// A translator from a table, for the phrases' context only.
class TableTranslator : public QTranslator {
public:
    explicit TableTranslator(std::map<std::string, QString> table) : table_(std::move(table)) { }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (std::string(context) != kPhraseContext) return {};
        const auto it = table_.find(source);
        return it == table_.end() ? QString() : it->second;
    }
    bool isEmpty() const override { return false; }

private:
    std::map<std::string, QString> table_;
};

class TranslatedPhraseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        karnoth::testing::ensureGuiApplication();
        QCoreApplication::installTranslator(&translator_);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator_); }

    TableTranslator translator_{{
        {"%1 %2 is outside its range: %3", QStringLiteral("%1 %2 está fuera de su rango: %3")},
        {"adult survival", QStringLiteral("supervivencia adulta")},
        {"at least 0 and below 1", QStringLiteral("como mínimo 0 y menos de 1")},
        {"back to %1 % of %2's street dogs in %3", QStringLiteral("en %3 vuelve al %1 % de los perros de %2")},
    }};
};

TEST_F(TranslatedPhraseTest, TranslatesThePatternAndTheWordsAndKeepsTheNumbersAsWritten)
{
    const struct {
        const char* name;
        Phrase phrase;
        QString shown;
    } cases[] = {
        {"words translated, the number as it is",
         {"%1 %2 is outside its range: %3", {"adult survival", "1.5", "at least 0 and below 1"}, 0b101},
         QStringLiteral("supervivencia adulta 1.5 está fuera de su rango: como mínimo 0 y menos de 1")},
        {"an argument not marked as a word is never translated",
         {"%1 %2 is outside its range: %3", {"adult survival", "1.5", "at least 0 and below 1"}, 0b001},
         QStringLiteral("supervivencia adulta 1.5 está fuera de su rango: at least 0 and below 1")},
        {"the markers in the translation's own order",
         {"back to %1 % of %2's street dogs in %3", {"90", "2025", "2041"}},
         QStringLiteral("en 2041 vuelve al 90 % de los perros de 2025")},
        {"no translation: the English text",
         {"street coverage %1 % in %2", {"48", "2015"}},
         QStringLiteral("street coverage 48 % in 2015")},
    };
    for (const auto& c : cases) EXPECT_EQ(translatedPhrase(c.phrase), c.shown) << c.name;
}

TEST_F(TranslatedPhraseTest, AFaultWithoutAPhraseIsShownAsItsMessage)
{
    EXPECT_EQ(translatedFault("killed.txt, line 3: bad record", std::nullopt),
              QStringLiteral("killed.txt, line 3: bad record"));
    const Phrase phrase{"%1 %2 is outside its range: %3", {"adult survival", "2", "at least 0 and below 1"}, 0b101};
    EXPECT_EQ(translatedFault(phrase.text(), phrase),
              QStringLiteral("supervivencia adulta 2 está fuera de su rango: como mínimo 0 y menos de 1"));
}

}  // namespace
}  // namespace karnoth::render
