// karnoth: the window Form1, started in the current directory (where "karnoth.ini" and
// "killed.txt" are read and written). With --screenshot FILE.png it starts up as usual, renders
// the window offscreen into FILE.png and exits, so the window can be seen without a display;
// --size WxH renders it at that size (pixels), otherwise it renders at the layout's own size.

#include "gui/form_window.h"

#include <QApplication>
#include <QPixmap>
#include <QRegularExpression>
#include <QString>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {

struct Options {
    std::optional<std::string> screenshot;
    std::optional<QSize> size;
    std::optional<std::string> error;
};

// "WxH", each a whole number of pixels from 1 to 20000.
std::optional<QSize> parseSize(const std::string& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(QString::fromStdString(text));
    if (!match.hasMatch()) return std::nullopt;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (width < 1 || height < 1 || width > 20000 || height > 20000) return std::nullopt;
    return QSize(width, height);
}

// The value of `--name VALUE` or `--name=VALUE` at argv[i]; advances i past it.
std::optional<std::string> optionValue(int argc, char** argv, int& i, const std::string& name, Options& options)
{
    const std::string arg = argv[i];
    if (arg == name) {
        if (i + 1 >= argc) {
            options.error = name + " needs a value";
            return std::nullopt;
        }
        return std::string(argv[++i]);
    }
    if (arg.rfind(name + "=", 0) == 0) return arg.substr(name.size() + 1);
    return std::nullopt;
}

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc && !options.error; ++i) {
        if (auto file = optionValue(argc, argv, i, "--screenshot", options)) {
            if (file->empty()) options.error = "--screenshot needs a file name";
            options.screenshot = *file;
        } else if (auto size = optionValue(argc, argv, i, "--size", options)) {
            options.size = parseSize(*size);
            if (!options.size) options.error = "--size takes WIDTHxHEIGHT in pixels, such as 1600x1000, not " + *size;
        }
        // Anything else is left to QApplication (-platform, -style and the like).
    }
    if (!options.error && options.size && !options.screenshot) options.error = "--size goes with --screenshot";
    return options;
}

}  // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    if (options.error) {
        std::fprintf(stderr, "karnoth: %s\n", options.error->c_str());
        return 2;
    }
    // A screenshot needs no display.
    if (options.screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("karnoth"));
    karnoth::gui::FormWindow window;

    if (options.screenshot) {
        // Shown (offscreen) so that the layouts settle; then at the size asked for, whatever the
        // screen, since a screenshot is not a window on it.
        window.show();
        QApplication::processEvents();
        window.resize(options.size.value_or(window.layoutSize()));
        QApplication::processEvents();
        const QString path = QString::fromStdString(*options.screenshot);
        if (!window.grab().save(path, "PNG")) {
            std::fprintf(stderr, "karnoth: cannot write the screenshot to %s\n", options.screenshot->c_str());
            return 1;
        }
        return 0;
    }
    window.show();
    return app.exec();
}
