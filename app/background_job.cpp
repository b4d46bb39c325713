// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/background_job.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

namespace zentrel::app {

BackgroundJob::BackgroundJob(QProgressBar* bar, QLabel* timeLeft, QObject* parent)
    : QObject(parent), bar_(bar), timeLeft_(timeLeft)
{
}

BackgroundJob::~BackgroundJob()
{
    cancelRequested_ = true;
    if (worker_.joinable()) worker_.join();
}

void BackgroundJob::start(Work work)
{
    if (running()) return;
    cancelRequested_ = false;
    bar_->setValue(0);
    timeLeft_->clear();
    clock_.start();
    worker_ = std::thread([this, work = std::move(work)] {
        PosterWatch watch;
        watch.progress = [this](const Progress& p) {
            QMetaObject::invokeMethod(
                this, [this, p] { showProgress(p.rowsDone, p.rows); }, Qt::QueuedConnection);
        };
        watch.cancelled = [this] { return cancelRequested_.load(); };
        const QString outcome = work(watch);
        QMetaObject::invokeMethod(
            this, [this, outcome] { end(outcome); }, Qt::QueuedConnection);
    });
}

void BackgroundJob::showProgress(long long rowsDone, long long rows)
{
    bar_->setValue(static_cast<int>(100 * rowsDone / std::max(1LL, rows)));
    const double elapsed = clock_.elapsed() / 1000.0;
    const double fraction = static_cast<double>(rowsDone) / static_cast<double>(rows);
    if (fraction > 0)
        timeLeft_->setText(QString("About %1 s left").arg(std::ceil(elapsed / fraction - elapsed)));
}

void BackgroundJob::end(const QString& outcome)
{
    if (worker_.joinable()) worker_.join();
    emit ended(outcome);
}

}  // namespace zentrel::app
