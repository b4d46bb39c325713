#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <atomic>
#include <functional>
#include <thread>

#include "picture/view.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace zentrel::app {

// "Render poster...": the view on the window as a larger, smoother picture
// file. It is rendered in the background on the program's workers, after
// the window's own drawings, so the window stays in use; Cancel or a
// failure leaves no file.
class PosterDialog : public QDialog {
    Q_OBJECT
public:
    explicit PosterDialog(QWidget* parent);
    ~PosterDialog() override;

    // Shows the dialog for this view; chooseFile asks where to save ("" when
    // the person cancels).
    void offer(const View& view, std::function<QString()> chooseFile);

    // For tests and the dialog's own buttons.
    void setDensity(int density);
    void setSupersample(int supersample);
    void setFile(const QString& path);
    void startRendering();
    void cancel();
    bool rendering() const { return worker_.joinable(); }
    // What the last poster came to: where it was written, or why not.
    const QString& outcome() const { return outcome_; }

signals:
    void finished();

private:
    View posterView() const;
    void showSize();
    void showProgress(long long rowsDone, long long rows);
    void done(const QString& outcome);
    void setRendering(bool on);

    View view_;
    std::function<QString()> chooseFile_;
    QSpinBox* density_;
    QSpinBox* width_;
    QSpinBox* supersample_;
    QLineEdit* file_;
    QLabel* size_;
    QProgressBar* progress_;
    QLabel* timeLeft_;
    QPushButton* render_;
    QPushButton* cancel_;
    QElapsedTimer clock_;
    std::atomic<bool> cancelRequested_{false};
    std::thread worker_;
    QString outcome_;
};

}  // namespace zentrel::app
