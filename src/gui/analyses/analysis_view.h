#pragma once
// What the analyses' views share: a non-modal dialog that follows the main window live. After
// every run of the window (and whenever its own inputs change) it computes again, off the GUI
// thread, on the inputs that run read (Form1::lastRunInputs()); a newer computation cancels the
// one before, a progress bar shows how far it is, and a Stop button ends it. When the last run
// stopped before it read every input, the view shows that run's fault instead. A hidden view
// computes nothing: it catches up when it is shown again.
//
// Below the view's own inputs and chart: the status line, the progress bar with Stop (Recompute
// once nothing runs), and the buttons Export PNG, Export SVG, Export CSV and Close. The exports hold
// the chart and a footer with the inputs of the run it shows, the analysis's settings and the date.

#include "gui/widgets/background_job.h"
#include "panel/window_inputs.h"

#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <stop_token>
#include <string>

class QDialogButtonBox;
class QLabel;
class QPainter;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

namespace karnoth::gui {

class FormWindow;

class AnalysisView : public QDialog {
    Q_OBJECT

public:
    AnalysisView(FormWindow& window, const QString& title);

    FormWindow& window() const { return window_; }
    BackgroundJob& job() const { return *job_; }
    // The status line: the state of the computation, what it found, or why there is nothing.
    QString statusText() const;
    // How many computations have delivered a result (or found the inputs unreadable) so far.
    int resultsShown() const { return resultsShown_; }
    // The inputs of the run the shown result belongs to; nullopt when none is shown.
    const std::optional<WindowInputs>& shownInputs() const { return shownInputs_; }

    // The exports. Each returns false and leaves a reason in `error` when there is nothing to
    // export or the file cannot be written.
    bool savePng(const QString& path, QString& error) const;
    bool saveSvg(const QString& path, QString& error) const;
    bool saveCsv(const QString& path, QString& error) const;
    // The export's size in pixels: the chart as on screen (at least a readable minimum) and the
    // footer below it.
    QSize exportSize() const;

public slots:
    // Computes again now when the view is shown; otherwise once it is shown.
    void refresh();
    // The name an export offers: the open scenario's, the view's and the day's.
    QString suggestedName(const QString& suffix) const;
    void exportPng();
    void exportSvg();
    void exportCsv();

signals:
    // A result or the reason for none was just shown.
    void resultShown();

protected:
    // The layout above the status line, for the view's inputs and chart.
    QVBoxLayout& body() const { return *body_; }

    // Starts the computation on `inputs` through job(); its delivery calls showResult().
    virtual void compute(const WindowInputs& inputs) = 0;
    // No inputs to compute on: forget the shown result, and say why in the chart.
    virtual void showUnread(const QString& why) = 0;
    // The chart's size on screen, its picture in `area` (for the exports), the footer's lines
    // about the analysis's settings, the exported CSV (nullopt when there is nothing to export).
    virtual QSize chartSize() const = 0;
    virtual void paintChart(QPainter& painter, const QRectF& area) const = 0;
    virtual QStringList settingsLines() const = 0;
    virtual std::optional<std::string> csvText() const = 0;
    // The words for the export dialogs' titles ("sensitivity", "uncertainty") and the file's.
    virtual QString exportName() const = 0;

    // Starts `work` off the GUI thread in place of whatever ran before; `deliver` gets its result
    // on the GUI thread unless a newer computation has started by then.
    template <typename Result>
    void startJob(std::function<Result(std::stop_token, const JobProgress&)> work, std::function<void(Result)> deliver)
    {
        jobStarted();
        job_->start<Result>(std::move(work), std::move(deliver));
    }
    // The view's own inputs cannot be used: nothing is computed, and the status says why.
    void inputsRejected(const QString& problem);
    // The settings ask for nothing worth running: `why` stands in the chart and the status line
    // (not as a fault) and nothing runs.
    void nothingToCompute(const QString& why);

    // To be called by the delivery: the result of `inputs` is now on screen; `status` says what it
    // found (a fault when `isFault`).
    void resultDelivered(const WindowInputs& inputs, const QString& status, bool isFault = false);
    void setStatus(const QString& text, bool isFault = false);

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Enter commits the field it was pressed in and no more: it must not close the view.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void startOrStop();
    void jobStarted();
    void jobEnded();
    void paintExport(QPainter& painter, QSize size) const;
    QStringList footer() const;
    bool hasResult() const { return shownInputs_.has_value(); }
    void report(const QString& error);

    FormWindow& window_;
    BackgroundJob* job_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* stopOrRecompute_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QList<QPushButton*> exportButtons_;
    std::optional<WindowInputs> shownInputs_;
    bool outOfDate_ = true;
    int resultsShown_ = 0;
};

}  // namespace karnoth::gui
