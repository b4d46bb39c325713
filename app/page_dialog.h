// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

#include "picture/view.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace zentrel::app {

class BackgroundJob;

// "Export zoomable page...": the view on the window as a folder of tiles
// and a web page that zooms into it, each level computed exactly. It is
// written in the background on the program's workers; Cancel or a failure
// leaves no folder.
class PageDialog : public QDialog {
    Q_OBJECT
public:
    explicit PageDialog(QWidget* parent);

    // What the dialog asks of the window.
    struct Window {
        // Asks for the page's folder, given the one proposed ("" when the
        // person cancels).
        std::function<QString(const QString& proposed)> chooseFolder;
        // Where a folder given by its name alone is made.
        std::function<QString()> folder;
    };

    // Shows the dialog for this view.
    void offer(const View& view, Window window);

    // For tests and the dialog's own buttons.
    void setLevels(int levels);
    int levels() const;
    int mostLevels() const;
    void setFolder(const QString& path);
    void startExport();
    void cancel();
    bool exporting() const;
    // What the last export came to: where the page was written, or why not.
    const QString& outcome() const { return outcome_; }

signals:
    void finished();

private:
    // The folder to write, a bare name in the pictures folder; "" after
    // telling why there is none.
    QString folderToWrite();
    void showSize();
    void done(const QString& outcome);
    void setExporting(bool on);

    View view_;
    Window window_;
    QLabel* viewText_;
    QSpinBox* levels_;
    QLabel* size_;
    QLineEdit* folder_;
    QPushButton* choose_;
    QProgressBar* progress_;
    QLabel* timeLeft_;
    QPushButton* export_;
    QPushButton* cancel_;
    BackgroundJob* job_;
    QString outcome_;
};

}  // namespace zentrel::app
