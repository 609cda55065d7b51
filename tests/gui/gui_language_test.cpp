// The window in another language: which language a start chooses, the window in Spanish (menus,
// captions, the run's phrases and its faults) with numbers still typed with a point, and
// View > Language keeping the choice for the next start.

#include "gui/language/window_language.h"
#include "gui/widgets/caption_label.h"
#include "gui/window/chart_view.h"
#include "gui_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace karnoth;
using namespace karnoth::gui;
using namespace karnoth::gui::testing;

namespace {

QMenu* menuNamed(const FormWindow& window, const char* name)
{
    return window.findChild<QMenu*>(QString::fromLatin1(name));
}

QAction* actionCaptioned(QMenu& menu, const QString& caption)
{
    for (QAction* action : menu.actions())
        if (action->text() == caption) return action;
    return nullptr;
}

}  // namespace

class GuiLanguageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchDirectory> dir_;
    std::unique_ptr<FormWindow> window_;

    void typeInto(const char* textBox, const QString& keys)
    {
        auto* edit = widgetOf<QLineEdit>(*window_, textBox);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }

private slots:
    void initTestCase() { QVERIFY(installWindowLanguage(*QCoreApplication::instance(), kSpanish)); }
    void init()
    {
        dir_ = std::make_unique<ScratchDirectory>();
        window_ = startWindow();
        QVERIFY(window_);
    }
    void cleanup()
    {
        window_.reset();
        dir_.reset();
    }

    void theLanguageIsTheChosenOneElseTheSystems_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Spain") << ""
                               << "es_ES"
                               << "es";
        QTest::newRow("Mexico") << ""
                                << "es_MX"
                                << "es";
        QTest::newRow("Brazil") << ""
                                << "pt_BR"
                                << "pt_BR";
        QTest::newRow("Portugal") << ""
                                  << "pt_PT"
                                  << "pt_BR";
        QTest::newRow("Germany") << ""
                                 << "de_DE"
                                 << "en";
        QTest::newRow("English chosen in Spain") << "en"
                                                 << "es_ES"
                                                 << "en";
        QTest::newRow("Spanish chosen in the US") << "es"
                                                  << "en_US"
                                                  << "es";
        QTest::newRow("an unknown choice follows the system") << "fr"
                                                              << "pt_BR"
                                                              << "pt_BR";
    }
    void theLanguageIsTheChosenOneElseTheSystems()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, system);
        QFETCH(QString, shown);
        QCOMPARE(windowLanguage(chosen, QLocale(system)), shown);
    }

    void theMenusAndCaptionsAreInSpanish_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("title");
        QTest::newRow("File") << "fileMenu"
                              << "&Archivo";
        QTest::newRow("Edit") << "editMenu"
                              << "&Editar";
        QTest::newRow("View") << "viewMenu"
                              << "&Ver";
        QTest::newRow("Analysis") << "analysisMenu"
                                  << "A&nálisis";
        QTest::newRow("Help") << "helpMenu"
                              << "Ay&uda";
        QTest::newRow("Language") << "languageMenu"
                                  << "&Idioma";
    }
    void theMenusAndCaptionsAreInSpanish()
    {
        QFETCH(QString, menu);
        QFETCH(QString, title);
        QMenu* shown = menuNamed(*window_, qPrintable(menu));
        QVERIFY(shown);
        QCOMPARE(shown->title(), title);
        QCOMPARE(widgetOf<QLabel>(*window_, "Label19")->text(), QStringLiteral("caso real"));
        // A sentence of the run, translated with its numbers as the run wrote them.
        QVERIFY2(
            widgetOf<CaptionLabel>(*window_, "lblCoverage")->text().startsWith(QStringLiteral("cobertura en la calle")),
            qPrintable(widgetOf<CaptionLabel>(*window_, "lblCoverage")->text()));
        // The window's own captions and sentences, and the chart's axis captions; the window model
        // and its display list keep the English the CLI prints.
        QCOMPARE(widgetOf<QPushButton>(*window_, "cmdRun")->text(), QStringLiteral("Calcular"));
        QCOMPARE(widgetOf<QLabel>(*window_, "Label13")->text(), QStringLiteral("callejeros"));
        QVERIFY2(widgetOf<CaptionLabel>(*window_, "Label3")->text().startsWith(QStringLiteral("La simulación sugiere")),
                 qPrintable(widgetOf<CaptionLabel>(*window_, "Label3")->text()));
        QVERIFY(window_->form().caption("Label3").starts_with("The simulation suggests"));
        QStringList texts;
        for (const render::MainChartLayout::Text& text : window_->chart().chartLayout().seriesTexts) texts << text.text;
        QVERIFY2(texts.contains(QStringLiteral("hembras >= 1 año (fértiles en verde)")), qPrintable(texts.join('|')));
    }

    void aFaultNamesTheInputInSpanish()
    {
        typeInto("txtAdultSurv", QStringLiteral("x"));
        QTest::mouseClick(widgetOf<QPushButton>(*window_, "cmdRun"), Qt::LeftButton);
        QCOMPARE(window_->faultLine().toolTip(), QStringLiteral("supervivencia adulta: \"x\" no es un número"));
        // The model's own words stay English for everything but the window.
        QCOMPARE(window_->form().currentFault(), std::string("adult survival: \"x\" is not a number"));
    }

    void aCommaStillTypesThePoint()
    {
        typeInto("txtAdultSurv", QStringLiteral("0,9"));
        QCOMPARE(widgetOf<QLineEdit>(*window_, "txtAdultSurv")->text(), QStringLiteral("0.9"));
        QCOMPARE(window_->form().text("txtAdultSurv"), std::string("0.9"));
    }

    void theLanguageChosenIsKeptForTheNextStart_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("kept");
        QTest::newRow("Portuguese") << "P&ortuguês (Brasil)"
                                    << "pt_BR";
        QTest::newRow("English") << "&English"
                                 << "en";
        QTest::newRow("the system's") << "&Sistema"
                                      << "";
    }
    void theLanguageChosenIsKeptForTheNextStart()
    {
        QFETCH(QString, caption);
        QFETCH(QString, kept);
        window_->keptSettings().language = LanguageSettings{"es"};
        QMenu* languages = menuNamed(*window_, "languageMenu");
        QVERIFY(languages);
        QAction* choice = actionCaptioned(*languages, caption);
        QVERIFY(choice);
        choice->trigger();
        const std::optional<LanguageSettings>& language = window_->keptSettings().language;
        QCOMPARE(language ? QString::fromStdString(language->code) : QString(), kept);
        QVERIFY(window_->noticeLine().isVisible());
        QVERIFY(window_->noticeLine().toolTip().contains(QStringLiteral("próxima vez")));
    }
};

QTEST_MAIN(GuiLanguageTest)
#include "gui_language_test.moc"
