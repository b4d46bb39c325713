// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <thread>

#include "picture/poster.h"

class QLabel;
class QProgressBar;

namespace zentrel::app {

// A poster-like job of a dialog, run on a thread of its own so the window
// stays in use: its progress in the dialog's bar with the time left, a
// cancel, and the outcome in words once it has ended, back on the window's
// thread. Destroyed, it cancels the job and waits for it.
class BackgroundJob : public QObject {
    Q_OBJECT
public:
    // Runs on the job's thread, watched for progress and cancel, and says
    // what it came to.
    using Work = std::function<QString(const PosterWatch& watch)>;

    BackgroundJob(QProgressBar* bar, QLabel* timeLeft, QObject* parent);
    ~BackgroundJob() override;

    void start(Work work);
    void cancel() { cancelRequested_ = true; }
    bool running() const { return worker_.joinable(); }

signals:
    // The job has ended (and its thread with it).
    void ended(const QString& outcome);

private:
    void showProgress(long long rowsDone, long long rows);
    void end(const QString& outcome);

    QProgressBar* bar_;
    QLabel* timeLeft_;
    QElapsedTimer clock_;
    std::atomic<bool> cancelRequested_{false};
    std::thread worker_;
};

}  // namespace zentrel::app
