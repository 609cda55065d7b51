#pragma once
// One long computation at a time, off the GUI thread. start() hands the work a std::stop_token and
// a progress callback and runs it on a pool thread; starting a newer job requests stop on the one
// before, whose result is then never delivered. Results, failures and progress arrive on the GUI
// thread through the event loop (queued), so the window never waits for a job. Destroying the
// BackgroundJob requests stop and drops whatever its job still delivers.
//
// The work must return soon once its stop is requested (the batch runner checks the token between
// ranges): a pool thread that ignores it keeps running, and the program waits for it at exit.

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <memory>
#include <stop_token>
#include <utility>

namespace karnoth::gui {

// The work's progress: the amount done so far and the total, in any unit. Thread-safe: call it
// from any thread, as often as it likes; the GUI hears the latest figures, not every call.
using JobProgress = std::function<void(std::size_t done, std::size_t total)>;

class BackgroundJob : public QObject {
    Q_OBJECT

public:
    explicit BackgroundJob(QObject* parent = nullptr);
    ~BackgroundJob() override;
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    // Requests stop on the current job, if any, and starts `work` on a pool thread. When it returns
    // and no newer job has started (nor cancel() been called), `deliver` gets its result on the GUI
    // thread, then finished() is emitted. An exception from the work becomes failed().
    template <typename Result>
    void start(std::function<Result(std::stop_token, const JobProgress&)> work, std::function<void(Result)> deliver)
    {
        startErased(
            [work = std::move(work), deliver = std::move(deliver)](std::stop_token stop, const JobProgress& progress) {
                auto result = std::make_shared<Result>(work(std::move(stop), progress));
                return Delivery([deliver, result] { deliver(std::move(*result)); });
            });
    }

    // Requests stop on the current job; it delivers nothing.
    void cancel();
    // A job has started and has neither delivered, failed nor been cancelled.
    bool isRunning() const { return static_cast<bool>(current_); }

signals:
    // The current job's latest figures (see JobProgress).
    void progressed(std::size_t done, std::size_t total);
    // The current job's result was delivered.
    void finished();
    // The current job threw; the message is the exception's.
    void failed(const QString& message);

public:
    struct State;  // shared by the GUI thread and the job's thread

private:
    using Delivery = std::function<void()>;
    using ErasedWork = std::function<Delivery(std::stop_token, const JobProgress&)>;

    void startErased(ErasedWork work);
    void complete(const std::shared_ptr<State>& state, const Delivery& delivery, const QString& failure);
    void showProgress(const std::shared_ptr<State>& state);

    std::shared_ptr<State> current_;
};

}  // namespace karnoth::gui
