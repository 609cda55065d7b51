#pragma once
// The window Form1: the layout's controls on the diagram surface, the chart, and a one-line fault
// message under the chart. It owns the window model and starts it up when it is made; closing
// the window runs the model's shutdown. All behaviour is the model's; this only adapts it.

#include "app/form1.h"

#include <QWidget>

#include <filesystem>

class QLabel;

namespace karnoth::gui {

class ChartView;
class DiagramSurface;
class FormBinding;

class FormWindow : public QWidget {
    Q_OBJECT

public:
    // Starts the model up in `directory` (where "karnoth.ini" and "killed.txt" live).
    explicit FormWindow(std::filesystem::path directory = ".", QWidget* parent = nullptr);
    ~FormWindow() override;

    const Form1& form() const { return form_; }
    FormBinding& binding() const { return *binding_; }
    ChartView& chart() const { return *chart_; }
    DiagramSurface& surface() const { return *surface_; }
    QLabel& faultLine() const { return *faultLine_; }
    // The widget of a control by its layout name ("txtAdultSurv", "Label1(8)"); nullptr if none.
    QWidget* controlWidget(const QString& name) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void setTabOrder();
    void showMessage(const QString& message);
    void showCurrentFault();

    Form1 form_;
    FormBinding* binding_ = nullptr;
    DiagramSurface* surface_ = nullptr;
    ChartView* chart_ = nullptr;
    QLabel* faultLine_ = nullptr;
    bool unloaded_ = false;
};

}  // namespace karnoth::gui
