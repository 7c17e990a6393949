// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the start benchmark: a bare Qt frameless 640x480 window that paints one
// gradient and nothing else.
#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

namespace {

class GradientWindow : public QWidget
{
public:
    GradientWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    {
        setFixedSize(640, 480);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, QColor(0xe8, 0xf0, 0xff));
        gradient.setColorAt(1, QColor(0x60, 0x80, 0xc0));
        painter.fillRect(rect(), gradient);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    GradientWindow window;
    window.show();
    return application.exec();
}
