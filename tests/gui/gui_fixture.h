#pragma once
// What the window tests share: a scratch working directory (the window reads and writes its files
// in the current directory, never the source tree) and a recorder of the window model's
// notifications in the order they came.

#include "gui/window/form_binding.h"
#include "gui/window/form_window.h"

#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace karnoth::gui::testing {

class ScratchDirectory {
public:
    ScratchDirectory() : previous_(QDir::currentPath())
    {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir::setCurrent(dir_.path()));
    }
    ~ScratchDirectory() { QDir::setCurrent(previous_); }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QString previous_;
    QTemporaryDir dir_;
};

// Entries: "run", "chart", "fault", and "NAME=TEXT" (labels, text boxes) or "NAME=VALUE".
class EventLog {
public:
    explicit EventLog(FormBinding& binding)
    {
        QObject::connect(&binding, &FormBinding::runFinished, &context_, [this] { entries_ << "run"; });
        QObject::connect(&binding, &FormBinding::chartUpdated, &context_, [this] { entries_ << "chart"; });
        QObject::connect(&binding, &FormBinding::faultShown, &context_,
                         [this](const QString&) { entries_ << "fault"; });
        QObject::connect(&binding, &FormBinding::controlUpdated, &context_,
                         [this](const QString& name, const QString& text, int value) {
                             entries_ << name + "=" + (text.isEmpty() ? QString::number(value) : text);
                         });
    }
    const QStringList& entries() const { return entries_; }
    int count(const QString& entry) const { return static_cast<int>(entries_.count(entry)); }
    int runs() const { return count(QStringLiteral("run")); }
    // Position of the first entry starting with `prefix`, -1 if none.
    qsizetype indexOf(const QString& prefix, qsizetype from = 0) const
    {
        for (qsizetype i = from; i < entries_.size(); ++i)
            if (entries_[i].startsWith(prefix)) return i;
        return -1;
    }
    QStringList startingWith(const QString& prefix) const
    {
        QStringList found;
        for (const QString& entry : entries_)
            if (entry.startsWith(prefix)) found << entry;
        return found;
    }
    void clear() { entries_.clear(); }

private:
    QObject context_;
    QStringList entries_;
};

// A window started in the current directory and shown offscreen.
inline std::unique_ptr<FormWindow> startWindow()
{
    auto window = std::make_unique<FormWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
    return window;
}

// Pixels of the stale banner's pale yellow, on a chart's white.
inline int bannerPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 240 && c.green() > 230 && c.green() < 250 && c.blue() > 170 && c.blue() < 215) ++count;
        }
    return count;
}

template <typename Widget>
Widget* widgetOf(const FormWindow& window, const char* name)
{
    return qobject_cast<Widget*>(window.controlWidget(QString::fromLatin1(name)));
}

}  // namespace karnoth::gui::testing
