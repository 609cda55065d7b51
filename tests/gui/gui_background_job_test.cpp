// The background job: work runs off the GUI thread and its result, failure and progress arrive on
// the GUI thread; a job replaced by a newer one, cancelled, or whose owner is gone never delivers.

#include "analysis/batch_runner.h"
#include "gui/widgets/background_job.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace karnoth;
using namespace karnoth::gui;

namespace {

// Blocks until its stop is requested, then returns `value`.
std::function<int(std::stop_token, const JobProgress&)> waitingForStop(int value, std::atomic<bool>& started)
{
    return [value, &started](std::stop_token stop, const JobProgress&) {
        started = true;
        std::mutex mutex;
        std::condition_variable_any woken;
        std::unique_lock lock(mutex);
        woken.wait(lock, stop, [] { return false; });
        return value;
    };
}

// Every job has ended and whatever it posted has been handled.
void settle()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

}  // namespace

class GuiBackgroundJobTest : public QObject {
    Q_OBJECT

private slots:
    void theResultArrivesOnTheGuiThread()
    {
        BackgroundJob job;
        QSignalSpy finished(&job, &BackgroundJob::finished);
        QThread* workThread = nullptr;
        QThread* deliveryThread = nullptr;
        int delivered = 0;
        job.start<int>(
            [&](std::stop_token, const JobProgress&) {
                workThread = QThread::currentThread();
                return 42;
            },
            [&](int result) {
                deliveryThread = QThread::currentThread();
                delivered = result;
            });
        QVERIFY(job.isRunning());
        QVERIFY(finished.wait(30000));
        QCOMPARE(delivered, 42);
        QVERIFY(workThread != QThread::currentThread());
        QCOMPARE(deliveryThread, QThread::currentThread());
        QVERIFY(!job.isRunning());
    }

    void aJobReplacedByANewerOneNeverDelivers()
    {
        BackgroundJob job;
        QSignalSpy finished(&job, &BackgroundJob::finished);
        std::vector<int> delivered;
        std::atomic<bool> firstStarted{false};
        job.start<int>(waitingForStop(1, firstStarted), [&](int result) { delivered.push_back(result); });
        QVERIFY(QTest::qWaitFor([&] { return firstStarted.load(); }, 30000));
        job.start<int>([](std::stop_token, const JobProgress&) { return 2; },
                       [&](int result) { delivered.push_back(result); });
        QVERIFY(finished.wait(30000));
        settle();  // the first job has returned 1 by now, and posted nothing
        QCOMPARE(delivered, std::vector<int>{2});
        QCOMPARE(finished.count(), 1);
    }

    void aResultOnItsWayIsDroppedWhenANewerJobStarts()
    {
        // The first job finishes before the second starts, but its result is still queued.
        BackgroundJob job;
        std::vector<int> delivered;
        job.start<int>([](std::stop_token, const JobProgress&) { return 1; },
                       [&](int result) { delivered.push_back(result); });
        QThreadPool::globalInstance()->waitForDone();  // posted, not yet handled
        job.start<int>([](std::stop_token, const JobProgress&) { return 2; },
                       [&](int result) { delivered.push_back(result); });
        settle();
        QCOMPARE(delivered, std::vector<int>{2});
    }

    void aCancelledJobDeliversNothing()
    {
        BackgroundJob job;
        QSignalSpy finished(&job, &BackgroundJob::finished);
        std::atomic<bool> started{false};
        bool delivered = false;
        job.start<int>(waitingForStop(7, started), [&](int) { delivered = true; });
        QVERIFY(QTest::qWaitFor([&] { return started.load(); }, 30000));
        job.cancel();
        QVERIFY(!job.isRunning());
        settle();
        QVERIFY(!delivered);
        QCOMPARE(finished.count(), 0);
    }

    void destroyingTheOwnerWhileAJobRunsIsSafe()
    {
        auto job = std::make_unique<BackgroundJob>();
        std::atomic<bool> started{false};
        std::atomic<bool> stopSeen{false};
        bool delivered = false;
        job->start<int>(
            [&](std::stop_token stop, const JobProgress& progress) {
                started = true;
                while (!stop.stop_requested()) {
                    progress(1, 2);
                    std::this_thread::yield();
                }
                stopSeen = true;
                progress(2, 2);  // after the owner is gone: dropped
                return 3;
            },
            [&](int) { delivered = true; });
        QVERIFY(QTest::qWaitFor([&] { return started.load(); }, 30000));
        job.reset();
        settle();
        QVERIFY(stopSeen);
        QVERIFY(!delivered);
    }

    void aCancelledJobReportingAfterItsOwnerIsGoneIsSafe()
    {
        // The job was replaced or stopped, then its owner went, and only then does it report.
        auto job = std::make_unique<BackgroundJob>();
        std::atomic<bool> ownerGone{false};
        std::atomic<bool> reported{false};
        std::atomic<bool> started{false};
        job->start<int>(
            [&](std::stop_token stop, const JobProgress& progress) {
                started = true;
                while (!stop.stop_requested() || !ownerGone) std::this_thread::yield();
                progress(1, 1);
                reported = true;
                return 0;
            },
            [](int) {});
        QVERIFY(QTest::qWaitFor([&] { return started.load(); }, 30000));
        job->cancel();
        job.reset();
        ownerGone = true;
        QVERIFY(QTest::qWaitFor([&] { return reported.load(); }, 30000));
        settle();
    }

    void progressArrivesOnTheGuiThreadAndFailuresAreReported()
    {
        BackgroundJob job;
        std::vector<std::pair<std::size_t, std::size_t>> seen;
        bool onGuiThread = true;
        connect(&job, &BackgroundJob::progressed, this, [&](std::size_t done, std::size_t total) {
            onGuiThread = onGuiThread && QThread::currentThread() == thread();
            seen.emplace_back(done, total);
        });
        QSignalSpy finished(&job, &BackgroundJob::finished);
        std::atomic<bool> release{false};
        job.start<int>(
            [&](std::stop_token, const JobProgress& progress) {
                progress(5, 10);
                while (!release) std::this_thread::yield();  // the GUI hears 5 of 10 first
                progress(10, 10);
                return 0;
            },
            [](int) {});
        QVERIFY(QTest::qWaitFor([&] { return !seen.empty(); }, 30000));
        QCOMPARE(seen.front(), std::make_pair(std::size_t(5), std::size_t(10)));
        release = true;
        QVERIFY(finished.count() == 1 || finished.wait(30000));
        settle();
        QVERIFY(onGuiThread);
        QCOMPARE(seen.back().second, std::size_t(10));

        QSignalSpy failed(&job, &BackgroundJob::failed);
        job.start<int>([](std::stop_token, const JobProgress&) -> int { throw std::runtime_error("no room"); },
                       [](int) {});
        QVERIFY(failed.wait(30000));
        QCOMPARE(failed.front().front().toString(), QStringLiteral("no room"));
    }

    void aBatchOfRunsStopsWhenANewerOneStarts()
    {
        // The planner's use: a long batch through the batch runner, replaced by a short one.
        BackgroundJob job;
        QSignalSpy finished(&job, &BackgroundJob::finished);
        const BatchRunner runner(2);
        const YearlySeries noCulling{};
        std::atomic<bool> longStarted{false};
        std::atomic<bool> longStopped{false};
        std::vector<std::size_t> delivered;
        job.start<std::size_t>(
            [&](std::stop_token stop, const JobProgress& progress) {
                const std::vector<ModelInputs> many(10'000);
                // Each range that finishes waits for the stop, so the batch is surely still running
                // when the newer one starts.
                const JobProgress held = [&, stop](std::size_t done, std::size_t total) {
                    progress(done, total);
                    longStarted = true;
                    while (!stop.stop_requested()) std::this_thread::yield();
                };
                const auto outcomes = runner.run(many, noCulling, BatchControl{stop, held});
                longStopped = outcomes.empty();
                return outcomes.size();
            },
            [&](std::size_t runs) { delivered.push_back(runs); });
        QVERIFY(QTest::qWaitFor([&] { return longStarted.load(); }, 30000));
        job.start<std::size_t>(
            [&](std::stop_token stop, const JobProgress& progress) {
                const std::vector<ModelInputs> few(100);
                return runner.run(few, noCulling, BatchControl{stop, progress}).size();
            },
            [&](std::size_t runs) { delivered.push_back(runs); });
        QVERIFY(finished.wait(60000));
        settle();
        QVERIFY(longStopped);
        QCOMPARE(delivered, std::vector<std::size_t>{100});
    }
};

QTEST_MAIN(GuiBackgroundJobTest)
#include "gui_background_job_test.moc"
