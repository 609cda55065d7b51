// karnoth: the window Form1, started in the current directory (where "karnoth.ini" and
// "killed.txt" are read and written). With --screenshot FILE.png it starts up as usual, renders
// the window offscreen into FILE.png and exits, so the window can be seen without a display;
// --size WxH renders it at exactly that size (pixels), otherwise at the layout's own size.
// --language en|es|pt_BR starts the window in that language, whatever View > Language says.

#include "app/session_file.h"
#include "gui/language/window_language.h"
#include "gui/widgets/drawing_export.h"
#include "gui/window/form_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>
#include <QRegularExpression>
#include <QString>

#include <cstdio>
#include <filesystem>
#include <optional>

namespace {

constexpr int kLargestSide = 20000;  // pixels; a picture beyond it is some 1.6 GB of RGBA

struct Options {
    std::optional<QString> screenshot;
    std::optional<QSize> size;
    std::optional<QString> language;  // en, es or pt_BR; none follows View > Language
};

// "WxH", each a whole number of pixels; the limits are checked once the window is known.
std::optional<QSize> parseSize(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,9})[xX]([0-9]{1,9})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

// Qt's own options, which QApplication takes from the command line: accepted here, not listed.
void addQtOptions(QCommandLineParser& parser)
{
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
          "style", "stylesheet", "geometry", "display", "session", "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "nograb", "dograb", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

[[noreturn]] void refuse(const QString& message)
{
    std::fprintf(stderr, "karnoth: %s\n", qPrintable(message));
    std::exit(2);
}

// The options, or exit: 0 after --help or --version, 2 for anything it does not take. Parsed
// before the application exists, so neither needs a display.
Options parseOptions(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Karnoth: plans a sterilisation programme for a town's dogs. Starts the window in the current "
                       "directory, where karnoth.ini and killed.txt are read and written."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the window offscreen into FILE (.png) and exit."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("With --screenshot: the picture's size in pixels, such as 1600x1000 "
                                                 "(default: the layout's own size)."),
                                  QStringLiteral("WxH"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("The window's language for this start: en, es or pt_BR "
                                                     "(default: View > Language, else the system's)."),
                                      QStringLiteral("CODE"));
    parser.addOption(screenshot);
    parser.addOption(size);
    parser.addOption(language);
    addQtOptions(parser);
    if (!parser.parse(arguments)) refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        refuse(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().constFirst()));
    const bool helpAsked = parser.isSet(help) || parser.isSet(QStringLiteral("help-all"));
    if (helpAsked || parser.isSet(version)) {
        const QCoreApplication core(argc, argv);  // the help names the program from it
        QCoreApplication::setApplicationName(QStringLiteral("karnoth"));
        QCoreApplication::setApplicationVersion(QStringLiteral(KARNOTH_VERSION));
        const QString text = helpAsked ? parser.helpText()
                                       : QStringLiteral("karnoth %1\n").arg(QStringLiteral(KARNOTH_VERSION));
        std::fputs(qPrintable(text), stdout);
        std::exit(std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1);
    }

    Options options;
    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        if (file.isEmpty()) refuse(QStringLiteral("--screenshot needs a file name"));
        if (!file.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
            refuse(
                QStringLiteral("--screenshot writes PNG pictures: the file name must end in .png, not %1").arg(file));
        options.screenshot = file;
    }
    if (parser.isSet(size)) {
        if (!options.screenshot) refuse(QStringLiteral("--size goes with --screenshot"));
        options.size = parseSize(parser.value(size));
        if (!options.size)
            refuse(QStringLiteral("--size takes WIDTHxHEIGHT in pixels, such as 1600x1000, not %1")
                       .arg(parser.value(size)));
    }
    if (parser.isSet(language)) {
        if (!karnoth::gui::knownLanguage(parser.value(language)))
            refuse(QStringLiteral("--language takes en, es or pt_BR, not %1").arg(parser.value(language)));
        options.language = parser.value(language);
    }
    return options;
}

// The language chosen in View > Language, from the session file in the current directory; a
// session that cannot be read chooses none here (the window reports it when it loads).
QString chosenLanguage()
{
    try {
        const std::optional<karnoth::Scenario> session = karnoth::readSessionFile(std::filesystem::current_path());
        if (session && session->language) return QString::fromStdString(session->language->code);
    } catch (const karnoth::Fault&) {
    } catch (const std::filesystem::filesystem_error&) { }
    return QString();
}

// Renders the window at `size` (or its layout's size) into `path`: 0 when written, 1 when the
// file cannot be written (an older picture then stays whole), 2 for a size the window cannot take.
int writeScreenshot(karnoth::gui::FormWindow& window, const QString& path, std::optional<QSize> size)
{
    // Shown (offscreen) so that the layouts settle; then at the size asked for, whatever the
    // screen, since a screenshot is not a window on it.
    window.show();
    QApplication::processEvents();
    const QSize smallest = window.minimumSizeHint().expandedTo(window.minimumSize());
    const QSize wanted = size.value_or(window.layoutSize());
    if (wanted.width() < smallest.width() || wanted.height() < smallest.height() || wanted.width() > kLargestSide ||
        wanted.height() > kLargestSide) {
        std::fprintf(stderr, "karnoth: --size %dx%d is outside the sizes the window takes: %dx%d to %dx%d\n",
                     wanted.width(), wanted.height(), smallest.width(), smallest.height(), kLargestSide, kLargestSide);
        return 2;
    }
    window.setMaximumSize(kLargestSide, kLargestSide);
    window.resize(wanted);
    QApplication::processEvents();
    if (window.size() != wanted) {
        std::fprintf(stderr, "karnoth: the window could not be laid out at %dx%d (it took %dx%d)\n", wanted.width(),
                     wanted.height(), window.width(), window.height());
        return 1;
    }
    QImage image = window.grab().toImage();
    image.setDevicePixelRatio(1);
    if (image.size() != wanted) image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QString error;
    if (!karnoth::gui::saveImageAsPng(path, image, error)) {
        std::fprintf(stderr, "karnoth: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    // A screenshot needs no display.
    if (options.screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("karnoth"));
    QApplication::setApplicationVersion(QStringLiteral(KARNOTH_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/karnoth.svg")));
    const QString language = karnoth::gui::windowLanguage(options.language.value_or(chosenLanguage()),
                                                          QLocale::system());
    if (!karnoth::gui::installWindowLanguage(app, language))
        std::fprintf(stderr, "karnoth: no translation for %s in %s; the window is in English\n", qPrintable(language),
                     qPrintable(karnoth::gui::translationsDirectory()));
    karnoth::gui::FormWindow window;
    if (options.screenshot) return writeScreenshot(window, *options.screenshot, options.size);
    window.restorePlace();
    window.show();
    return app.exec();
}
