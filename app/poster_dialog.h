// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "picture/view.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace zentrel::app {

class BackgroundJob;

// "Render poster...": the view on the window as a larger, smoother picture
// file. It is rendered in the background on the program's workers, after
// the window's own drawings, so the window stays in use; Cancel or a
// failure leaves no file.
class PosterDialog : public QDialog {
    Q_OBJECT
public:
    explicit PosterDialog(QWidget* parent);

    // What the dialog asks of the window.
    struct Window {
        // The view the window shows now, if any.
        std::function<std::optional<View>()> view;
        // Asks where to save the poster of a view ("" when the person
        // cancels).
        std::function<QString(const View& poster)> chooseFile;
        // Where a file given by its name alone is written.
        std::function<QString()> folder;
    };

    // Shows the dialog for this view.
    void offer(const View& view, Window window);

    // Asked before a file of that name is replaced; tests answer it.
    std::function<bool(QWidget* parent, const QString& path)> confirmReplace;

    // For tests and the dialog's own buttons.
    void setDensity(int density);
    void setSupersample(int supersample);
    void setDepth(int bits);  // 8 or 16 bits a channel
    void setFile(const QString& path);
    // The smallest density whose poster is at least this wide, as the width
    // box sets it.
    void setWidth(int width);
    // The poster's size as the dialog shows it.
    QSize posterSize() const;
    void startRendering();
    void cancel();
    // Takes the view the window shows now, as the "Use the window's view"
    // button does.
    void takeWindowView();
    bool rendering() const;
    // What the last poster came to: where it was written, or why not.
    const QString& outcome() const { return outcome_; }

signals:
    void finished();

private:
    View posterView() const;
    // The file to write: a bare name lands in the pictures folder, a name
    // without a picture's ending becomes a PNG; "" when the person would
    // rather not replace the file there.
    QString fileToWrite();
    void setView(const View& view);
    void showSize();
    void done(const QString& outcome);
    void setRendering(bool on);

    View view_;
    Window window_;
    QSpinBox* density_;
    QSpinBox* width_;
    QSpinBox* supersample_;
    QComboBox* presets_;
    QCheckBox* deep_;
    QLineEdit* file_;
    QLabel* viewText_;
    QPushButton* takeView_;
    QPushButton* choose_;
    QLabel* size_;
    QProgressBar* progress_;
    QLabel* timeLeft_;
    QPushButton* render_;
    QPushButton* cancel_;
    BackgroundJob* job_;
    QString outcome_;
};

}  // namespace zentrel::app
