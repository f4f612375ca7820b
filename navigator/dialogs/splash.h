// TSplashScreen: the picture shown while the program starts, which later serves as the About box.
#pragma once

#include <QDialog>
#include <memory>

class QTimer;

namespace Ui {
class SplashScreen;
}

namespace qm {

class TSplashScreen : public QDialog {
    Q_OBJECT

public:
    explicit TSplashScreen(QWidget* Parent = nullptr);
    ~TSplashScreen() override;

    // True from creation until the timer fires or the About box is shown; clicks are ignored then.
    bool StartupMode = true;
    // The start-up display is over: hides the window and stops the timer.
    void TimerTimer();
    // The About box: shown modally until the user clicks it.
    void ShowAbout();

    QTimer* Timer;

protected:
    void showEvent(QShowEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    std::unique_ptr<Ui::SplashScreen> FUi;
};

// The 385 by 200 picture: the program's name, its version and what it is for.
QPixmap SplashPicture();

}  // namespace qm
