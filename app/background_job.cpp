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
        const End outcome = work(watch);
        QMetaObject::invokeMethod(
            this, [this, outcome] { end(outcome); }, Qt::QueuedConnection);
    });
}

void BackgroundJob::showProgress(long long rowsDone, long long rows)
{
    bar_->setValue(static_cast<int>(100 * rowsDone / std::max(1LL, rows)));
    const double elapsed = clock_.elapsed() / 1000.0;
    const double fraction = static_cast<double>(rowsDone) / static_cast<double>(rows);
    QString text =
        unit_.isEmpty() ? QString() : QString("%1 %2 of %3").arg(unit_).arg(rowsDone).arg(rows);
    if (fraction > 0) {
        const double left = std::ceil(elapsed / fraction - elapsed);
        text += unit_.isEmpty() ? QString("About %1 s left").arg(left)
                                : QString(", about %1 s left").arg(left);
    }
    if (!text.isEmpty()) timeLeft_->setText(text);
}

void BackgroundJob::end(const End& outcome)
{
    if (worker_.joinable()) worker_.join();
    emit ended(outcome.text, outcome.failed);
}

}  // namespace zentrel::app
