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
    // What a job came to, in words, and whether that is a failure.
    struct End {
        End(QString text, bool failed = false) : text(std::move(text)), failed(failed) {}
        QString text;
        bool failed;
    };
    // Runs on the job's thread, watched for progress and cancel, and says
    // what it came to.
    using Work = std::function<End(const PosterWatch& watch)>;

    BackgroundJob(QProgressBar* bar, QLabel* timeLeft, QObject* parent);
    ~BackgroundJob() override;

    void start(Work work);
    // Names what the job counts, so that its progress reads "Frame 3 of 90,
    // about 4 s left" rather than the time left alone.
    void countIn(QString unit) { unit_ = std::move(unit); }
    void cancel() { cancelRequested_ = true; }
    bool running() const { return worker_.joinable(); }

signals:
    // The job has ended (and its thread with it).
    void ended(const QString& outcome, bool failed);

private:
    void showProgress(long long rowsDone, long long rows);
    void end(const End& outcome);

    QProgressBar* bar_;
    QLabel* timeLeft_;
    QString unit_;
    QElapsedTimer clock_;
    std::atomic<bool> cancelRequested_{false};
    std::thread worker_;
};

}  // namespace zentrel::app
