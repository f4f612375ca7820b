#include "splash.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTimer>

#include "centrewindow.h"
#include "ui_splash.h"
#include "userprompts.h"

namespace qm {
namespace {

constexpr int StartupDisplayMs = 4000;
const QString AboutText = QStringLiteral(
    "A class browser for the Visual Component Library: every unit,\n"
    "class and member of the Delphi 2.0 sources, with their ancestors,\n"
    "one double-click away.");

QFont PictureFont(int PixelSize, bool Bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(PixelSize);
    font.setBold(Bold);
    return font;
}

// A quill: a long leaf-shaped vane over its shaft.
void DrawQuill(QPainter& Painter, const QPointF& Tip) {
    QPainterPath vane(Tip);
    vane.cubicTo(Tip + QPointF(18, -40), Tip + QPointF(52, -70), Tip + QPointF(70, -92));
    vane.cubicTo(Tip + QPointF(44, -82), Tip + QPointF(14, -52), Tip);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(255, 255, 255, 200));
    Painter.drawPath(vane);
    Painter.setPen(QPen(QColor(40, 60, 110), 1.5));
    Painter.drawLine(Tip, Tip + QPointF(62, -82));
}

}  // namespace

QPixmap SplashPicture() {
    QPixmap picture(385, 200);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(20, 48, 110));
    sky.setColorAt(1, QColor(8, 110, 130));
    painter.fillRect(picture.rect(), sky);

    // A faint grid: the map the name speaks of.
    painter.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (int x = 0; x < 385; x += 24) painter.drawLine(x, 0, x, 200);
    for (int y = 0; y < 200; y += 24) painter.drawLine(0, y, 385, y);

    DrawQuill(painter, QPointF(34, 112));

    painter.setPen(Qt::white);
    painter.setFont(PictureFont(38, true));
    painter.drawText(QRect(112, 24, 260, 48), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quillmap 2"));
    painter.setPen(QColor(200, 225, 255));
    painter.setFont(PictureFont(13, false));
    painter.drawText(QRect(114, 74, 260, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Version %1").arg(QStringLiteral(QM_VERSION)));
    painter.setPen(Qt::white);
    painter.setFont(PictureFont(11, false));
    painter.drawText(QRect(16, 128, 353, 56), Qt::AlignLeft | Qt::AlignTop, AboutText);

    painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}

TSplashScreen::TSplashScreen(QWidget* Parent)
    : QDialog(Parent), Timer(new QTimer(this)), FUi(std::make_unique<Ui::SplashScreen>()) {
    FUi->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    CentreOnShow(*this);
    FUi->Image1->setPixmap(SplashPicture());
    FUi->Image1->setAccessibleDescription(AboutText);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(StartupDisplayMs);
    connect(Timer, &QTimer::timeout, this, &TSplashScreen::TimerTimer);
}

TSplashScreen::~TSplashScreen() = default;

void TSplashScreen::TimerTimer() {
    hide();
    StartupMode = false;
    Timer->stop();
}

void TSplashScreen::ShowAbout() {
    StartupMode = false;
    // Still up from the start: the timer must not close the About box, and a window that is
    // already visible would not become modal.
    Timer->stop();
    hide();
    Prompts().RunModal(*this);
}

void TSplashScreen::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    // Above every other window of the program, also where no window manager keeps it there.
    raise();
    if (StartupMode) Timer->start();
}

void TSplashScreen::mousePressEvent(QMouseEvent* Event) {
    if (!StartupMode) done(QDialog::Accepted);
    Event->accept();
}

void TSplashScreen::keyPressEvent(QKeyEvent* Event) {
    // The About box also closes from the keyboard; the start-up display ignores keys as it
    // ignores clicks.
    if (StartupMode) {
        Event->accept();
        return;
    }
    switch (Event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        done(QDialog::Accepted);
        return;
    default:
        QDialog::keyPressEvent(Event);
    }
}

}  // namespace qm
