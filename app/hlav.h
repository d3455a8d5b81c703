#pragma once

#include "link/link_machine.h"
#include "params/param_image.h"

#include <QMainWindow>
#include <memory>

class QLabel;
class QProgressBar;
class QTimer;

// The main window. It owns the state of the run and wires events to the
// core; the rules live in params/ and link/.
class TFormHlav : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormHlav(std::unique_ptr<ILinkPort> port, QWidget* parent = nullptr);
    ~TFormHlav() override;

    TParamImage Image;
    TLinkMachine& Link() { return m_link; }

    QLabel* LabelHlaseni = nullptr;
    QProgressBar* CGaugeProgram = nullptr;
    QLabel* LabelSpojeni = nullptr;
    QLabel* LabelVersion = nullptr;
    QLabel* LabelEeDataErr = nullptr;
    QTimer* Timer1 = nullptr;

    void Timer1Timer();
    void MenuExitClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void FormCreate();
    void FormClose();
    void CentreWindow();
    // The image's normalisation plus the settings range checks.
    void NormaliseImage();
    void ShowLinkDisplay();

    std::unique_ptr<ILinkPort> m_port;
    TLinkMachine m_link;
};
