// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

#include "movie/movie.h"
#include "session/movie_keyframes.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zentrel::app {

class BackgroundJob;
class KeyframeTable;
class MoviePreview;

// "Make movie...": a flight through keyframes, from the history or from the
// keyframes added, played in the window's picture area or rendered to a
// video or a PNG sequence in the background, as posters are. Cancel or a
// failure leaves no file.
class MovieDialog : public QDialog {
    Q_OBJECT
public:
    // What the dialog asks of the window.
    struct Window {
        // How many views the history offers, the view now among them.
        std::function<std::size_t()> historyLength;
        // The keyframes of the history from its view at first (from 0).
        std::function<KeyframeList(std::size_t first)> history;
        // The keyframes added with "Add keyframe", which the dialog edits.
        KeyframeList* added = nullptr;
        // Shows a frame's view in the picture area, recording nothing.
        std::function<void(const View&)> preview;
        // The preview is over: the window shows what it showed before.
        std::function<void()> previewEnded;
        // Asks where to save the movie ("" when the person cancels).
        std::function<QString(const QString& proposed)> chooseFile;
        // Where a file given by its name alone is written.
        std::function<QString()> folder;
    };

    explicit MovieDialog(QWidget* parent);

    void offer(Window window);
    // The keyframes added changed: shown again when they are the ones used.
    void addedChanged();

    // Asked before a file of that name is replaced; tests answer it.
    std::function<bool(QWidget* parent, const QString& path)> confirmReplace;

    // For tests and the dialog's own controls.
    void useHistoryFrom(int step);  // 1 the oldest view kept
    void useAdded();
    const KeyframeList& keyframes() const;
    KeyframeTable& table() { return *table_; }
    void setDensity(int density);
    void setFps(int fps);
    void setSupersample(int supersample);
    void setQuality(int quality);
    void setEase(bool ease);
    void setFile(const QString& path);
    // The size of every frame; empty when the keyframes make none.
    QSize frameSize() const;
    // How many frames the movie has; 0 when the keyframes make none.
    long long frameCount() const;

    void preview();  // plays, pauses and plays on, as its button does
    void stopPreview();
    MoviePreview& player() { return *player_; }

    void startRendering();
    void cancel();
    bool rendering() const;
    // What the last movie came to: where it was written, or why not.
    const QString& outcome() const { return outcome_; }

signals:
    void finished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildForm();
    void connectControls();
    QWidget* keyframeSource();
    QWidget* fileRow();
    QWidget* buttonRow();
    KeyframeList* list();
    void takeKeyframes();
    Outcome<KeyframePath> path() const;
    Outcome<MovieTimeline> timeline() const;
    void showLength();
    QString fileToWrite();
    void done(const QString& outcome, bool failed);
    void showOutcome(const QString& outcome, bool failed);
    void setRendering(bool on);
    void showPreviewState();
    void placeBesidePicture();

    Window window_;
    KeyframeList fromHistory_;
    QRadioButton* historySource_;
    QRadioButton* addedSource_;
    QSpinBox* firstStep_;
    QLabel* historySteps_;
    KeyframeTable* table_;
    QSpinBox* density_;
    QSpinBox* fps_;
    QSpinBox* supersample_;
    QSpinBox* quality_;
    QCheckBox* ease_;
    QLabel* length_;
    QLineEdit* file_;
    QPushButton* choose_;
    QProgressBar* progress_;
    QLabel* status_;
    QPushButton* preview_;
    QPushButton* stop_;
    QPushButton* render_;
    QPushButton* close_;
    MoviePreview* player_;
    BackgroundJob* job_;
    QString outcome_;
    bool placed_ = false;
};

}  // namespace zentrel::app
