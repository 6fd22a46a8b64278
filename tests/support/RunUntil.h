#pragma once

#include <QApplication>
#include <QElapsedTimer>

// Runs the event loop until done says so or a generous time has passed.
template <typename Done>
bool RunUntil(Done&& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}
