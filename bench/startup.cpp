// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up benchmark: how long the main window takes from an empty process to its first painted
// frame, and how much memory it needs, beside a bare Qt window holding one QTabWidget of the same
// size. Each sample runs in a fresh child process (so nothing warmed up by one sample helps the
// next), the two kinds alternating; the report gives medians and the ratios.
//
//   morvela-bench-startup [samples]         (default 15 of each)

#include "app/ApplicationIdentity.h"
#include "app/MainWindow.h"
#include "platform/fakes/FakePlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Peak resident memory of this process, in KiB.
long peakRssKiB() {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines)
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Quits once the watched window has painted its first frame.
// Also notes whether the opening page's picture was on screen in that frame.
class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            const auto *window = static_cast<QWidget *>(watched);
            const QWidget *picture = window->findChild<QWidget *>(u"Image1"_s);
            pictureShown = picture && picture->isVisible();
            paintedAt = std::chrono::steady_clock::now();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
    bool pictureShown = false;
    std::chrono::steady_clock::time_point paintedAt;

private:
    bool m_seen = false;
};

int runChild(int argc, char **argv, bool bare) {
    const auto start = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    std::unique_ptr<morvela::FakePlatform> platform;
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
        window->setFixedSize(993, 610);
        auto *tabs = new QTabWidget(window.get());
        tabs->setGeometry(0, 0, 993, 593);
        tabs->addTab(new QWidget, u"日程管理"_s);
    } else {
        morvela::applyApplicationIdentity();
        platform = std::make_unique<morvela::FakePlatform>();
        window = std::make_unique<morvela::MainWindow>(platform->services);
    }
    FirstPaint watcher;
    window->installEventFilter(&watcher);
    window->show();
    app.exec();
    // The first frame must have been the real one: the opening page with its picture.
    if (!bare && !watcher.pictureShown) {
        std::fprintf(stderr, "the opening page was not on screen in the first frame\n");
        return 2;
    }
    // From the start of main() to the moment the first frame was painted (not to the end of the event
    // loop, which also closes the window).
    const double ms = std::chrono::duration<double, std::milli>(watcher.paintedAt - start).count();
    std::printf("%.3f %ld\n", ms, peakRssKiB());
    return 0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    if (argc >= 2 && (qstrcmp(argv[1], "--child-bare") == 0 || qstrcmp(argv[1], "--child-window") == 0))
        return runChild(argc, argv, qstrcmp(argv[1], "--child-bare") == 0);

    const int samples = argc >= 2 ? std::max(1, atoi(argv[1])) : 15;
    QCoreApplication app(argc, argv);
    std::vector<double> time[2], memory[2];
    for (int i = 0; i < samples; ++i) {
        for (int kind = 0; kind < 2; ++kind) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            QElapsedTimer wall;
            wall.start();
            child.start(QCoreApplication::applicationFilePath(),
                        {kind == 0 ? u"--child-bare"_s : u"--child-window"_s});
            if (!child.waitForFinished(60000) || child.exitCode() != 0) {
                std::fprintf(stderr, "child failed\n");
                return 1;
            }
            const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
            time[kind].push_back(fields.value(0).toDouble());
            memory[kind].push_back(fields.value(1).toDouble() / 1024.0);
        }
    }
    const double tb = median(time[0]), tw = median(time[1]);
    const double mb = median(memory[0]), mw = median(memory[1]);
    std::printf("samples of each:            %d (platform: %s)\n", samples,
                qEnvironmentVariable("QT_QPA_PLATFORM", u"default"_s).toUtf8().constData());
    std::printf("start-up to first frame:    bare %.1f ms, Morvela %.1f ms, ratio %.3f (target <= 1.3)\n", tb,
                tw, tw / tb);
    std::printf(
        "peak resident memory:       bare %.1f MiB, Morvela %.1f MiB, difference %.1f MiB (target <= 20)\n",
        mb, mw, mw - mb);
    return 0;
}
