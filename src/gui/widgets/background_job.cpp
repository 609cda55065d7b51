#include "gui/widgets/background_job.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThreadPool>

#include <atomic>
#include <exception>
#include <mutex>

namespace karnoth::gui {

struct BackgroundJob::State {
    std::stop_source stop;
    // Guards `owner`: a job's thread posts to the owner only while holding it, and the owner's
    // destructor clears it under the same lock, so nothing is posted to a BackgroundJob that is gone.
    std::mutex mutex;
    BackgroundJob* owner = nullptr;
    // The latest progress, and whether an update is already on its way to the GUI thread.
    std::atomic<std::size_t> done{0};
    std::atomic<std::size_t> total{0};
    std::atomic<bool> progressPosted{false};
};

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) { }

BackgroundJob::~BackgroundJob()
{
    cancel();
}

void BackgroundJob::cancel()
{
    if (!current_) return;
    // A cancelled job may still be finishing a step and report progress after this BackgroundJob is
    // gone; without an owner it posts nothing.
    {
        const std::lock_guard lock(current_->mutex);
        current_->owner = nullptr;
    }
    current_->stop.request_stop();
    current_.reset();
}

void BackgroundJob::startErased(ErasedWork work)
{
    cancel();
    auto state = std::make_shared<State>();
    state->owner = this;
    current_ = state;

    QThreadPool::globalInstance()->start([state, work = std::move(work)] {
        const JobProgress progress = [state](std::size_t done, std::size_t total) {
            state->done.store(done);
            state->total.store(total);
            if (state->progressPosted.exchange(true)) return;  // the pending update will read these
            const std::lock_guard lock(state->mutex);
            if (!state->owner) return;
            QMetaObject::invokeMethod(
                state->owner, [owner = state->owner, state] { owner->showProgress(state); }, Qt::QueuedConnection);
        };

        Delivery delivery;
        QString failure;
        try {
            delivery = work(state->stop.get_token(), progress);
        } catch (const std::exception& error) {
            failure = QString::fromStdString(error.what());
        } catch (...) {
            failure = QCoreApplication::translate("karnoth::gui::BackgroundJob",
                                                  "the computation stopped with an unknown error");
        }

        const std::lock_guard lock(state->mutex);
        if (!state->owner || state->stop.stop_requested()) return;
        QMetaObject::invokeMethod(
            state->owner,
            [owner = state->owner, state, delivery = std::move(delivery), failure] {
                owner->complete(state, delivery, failure);
            },
            Qt::QueuedConnection);
    });
}

void BackgroundJob::complete(const std::shared_ptr<State>& state, const Delivery& delivery, const QString& failure)
{
    // A newer job or a cancel may have come between the post and now.
    if (state != current_ || state->stop.stop_requested()) return;
    current_.reset();
    if (!failure.isEmpty() || !delivery) {
        emit failed(failure);
        return;
    }
    delivery();
    emit finished();
}

void BackgroundJob::showProgress(const std::shared_ptr<State>& state)
{
    state->progressPosted.store(false);
    if (state != current_ || state->stop.stop_requested()) return;
    emit progressed(state->done.load(), state->total.load());
}

}  // namespace karnoth::gui
