// karnoth: the window Form1, started in the current directory (where "karnoth.ini" and
// "killed.txt" are read and written). With --screenshot FILE.png it starts up as usual, renders
// the window offscreen into FILE.png and exits, so the window can be seen without a display.

#include "gui/form_window.h"

#include <QApplication>
#include <QPixmap>
#include <QString>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {

struct Options {
    std::optional<std::string> screenshot;
    std::optional<std::string> error;
};

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--screenshot") {
            if (i + 1 >= argc) {
                options.error = "--screenshot needs a file name";
                return options;
            }
            options.screenshot = argv[++i];
        } else if (arg.rfind("--screenshot=", 0) == 0) {
            options.screenshot = arg.substr(std::strlen("--screenshot="));
        }
        // Anything else is left to QApplication (-platform, -style and the like).
    }
    if (options.screenshot && options.screenshot->empty()) options.error = "--screenshot needs a file name";
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
        window.resize(window.sizeHint());
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
