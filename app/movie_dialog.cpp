// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/movie_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/background_job.h"
#include "app/failure_text.h"
#include "app/keyframe_table.h"
#include "app/movie_preview.h"
#include "picture/poster.h"
#include "picture/smooth.h"

namespace zentrel::app {
namespace {

const char* const kFrameMark = "{frame}";

QSpinBox* spinBox(int lowest, int highest, int value, const QString& suffix = "")
{
    auto* box = new QSpinBox;
    box->setRange(lowest, highest);
    box->setValue(value);
    box->setSuffix(suffix);
    return box;
}

// The movie's failures name keyframes by their place in the list, which
// the timeline calls their line.
QString movieFailureText(const Failure& failure)
{
    QString text = QString::fromStdString(failureText(failure));
    if (text.startsWith("line ")) text.replace(0, 4, "keyframe");
    return text;
}

// A name without an ending is an MP4 video; a PNG name without the frame's
// mark gets one before its ending, each frame a file.
QString withMovieEnding(QString path)
{
    const QFileInfo info(path);
    const QString ending = info.suffix().toLower();
    if (ending.isEmpty()) return path + ".mp4";
    if (ending == "png" && !path.contains(kFrameMark))
        path.insert(path.size() - 4, QString("-") + kFrameMark);
    return path;
}

}  // namespace

MovieDialog::MovieDialog(QWidget* parent)
    : QDialog(parent),
      historySource_(new QRadioButton("From the history, from step")),
      addedSource_(new QRadioButton("The keyframes added (Add keyframe, Ctrl+K)")),
      firstStep_(spinBox(1, 1, 1)),
      historySteps_(new QLabel),
      table_(new KeyframeTable),
      density_(spinBox(1, kMaxDensity, 1, " \u00d7")),
      fps_(spinBox(1, kMaxFps, kDefaultFps, " frames a second")),
      supersample_(spinBox(1, kMaxSupersample, 1)),
      quality_(spinBox(1, 100, kDefaultMovieQuality)),
      ease_(new QCheckBox("Ease in and out of every flight")),
      length_(new QLabel),
      file_(new QLineEdit),
      choose_(new QPushButton("Choose\u2026")),
      progress_(new QProgressBar),
      status_(new QLabel),
      preview_(new QPushButton("Preview")),
      stop_(new QPushButton("Stop")),
      render_(new QPushButton("Render")),
      close_(new QPushButton("Close")),
      player_(new MoviePreview([this](const View& view) { window_.preview(view); }, this)),
      job_(new BackgroundJob(progress_, status_, this))
{
    job_->countIn("Frame");
    setWindowTitle("Make movie");
    setObjectName("movieDialog");
    buildForm();
    connectControls();
    confirmReplace = [](QWidget* parent, const QString& path) {
        QMessageBox box(QMessageBox::Question, "Make movie",
                        QString("%1 exists already. Replace it?").arg(path),
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    setRendering(false);
    showPreviewState();
}

void MovieDialog::buildForm()
{
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow("Keyframes:", keyframeSource());
    form->addRow(table_);
    form->addRow("Frame size (the view, finer):", density_);
    form->addRow("Frame rate:", fps_);
    form->addRow("Smoothing (samples across and down a pixel):", supersample_);
    form->addRow("Quality (1 to 100):", quality_);
    form->addRow("", ease_);
    form->addRow("Movie:", length_);
    form->addRow("File:", fileRow());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addWidget(buttonRow());
    // Failures and file names are shown as they are, never as markup.
    for (QLabel* label : {length_, status_, historySteps_}) label->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    table_->setMinimumSize(540, 230);
    file_->setMinimumWidth(320);
    file_->setPlaceholderText("zoom.mp4, zoom.webm or frames/{frame}.png");
}

QWidget* MovieDialog::keyframeSource()
{
    auto* box = new QWidget;
    auto* history = new QHBoxLayout;
    history->setContentsMargins(0, 0, 0, 0);
    history->addWidget(historySource_);
    history->addWidget(firstStep_);
    history->addWidget(historySteps_, 1);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(history);
    layout->addWidget(addedSource_);
    historySource_->setChecked(true);
    return box;
}

QWidget* MovieDialog::fileRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(file_, 1);
    layout->addWidget(choose_);
    return row;
}

QWidget* MovieDialog::buttonRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(preview_);
    layout->addWidget(stop_);
    layout->addStretch();
    layout->addWidget(render_);
    layout->addWidget(close_);
    render_->setDefault(true);
    return row;
}

void MovieDialog::connectControls()
{
    connect(historySource_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) takeKeyframes();
    });
    connect(addedSource_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) takeKeyframes();
    });
    connect(firstStep_, &QSpinBox::valueChanged, this, [this] {
        if (historySource_->isChecked()) takeKeyframes();
    });
    connect(table_, &KeyframeTable::changed, this, &MovieDialog::showLength);
    for (QSpinBox* box : {density_, fps_, supersample_})
        connect(box, &QSpinBox::valueChanged, this, &MovieDialog::showLength);
    connect(ease_, &QCheckBox::toggled, this, &MovieDialog::showLength);
    connect(choose_, &QPushButton::clicked, this, [this] {
        const QString path = window_.chooseFile ? window_.chooseFile(file_->text()) : QString();
        if (!path.isEmpty()) file_->setText(path);
    });
    connect(preview_, &QPushButton::clicked, this, &MovieDialog::preview);
    connect(stop_, &QPushButton::clicked, this, &MovieDialog::stopPreview);
    connect(player_, &MoviePreview::frameShownChanged, this,
            [this](long long frame, long long frames) {
                status_->setText(QString("Preview: frame %1 of %2").arg(frame + 1).arg(frames));
            });
    connect(player_, &MoviePreview::reachedTheEnd, this, &MovieDialog::showPreviewState);
    connect(render_, &QPushButton::clicked, this, &MovieDialog::startRendering);
    connect(job_, &BackgroundJob::ended, this, &MovieDialog::done);
    connect(close_, &QPushButton::clicked, this, [this] {
        if (rendering())
            cancel();
        else
            close();
    });
}

void MovieDialog::offer(Window window)
{
    window_ = std::move(window);
    const int views = static_cast<int>(std::max<std::size_t>(1, window_.historyLength()));
    firstStep_->blockSignals(true);
    firstStep_->setRange(1, views);
    firstStep_->setValue(std::max(1, views - 1));
    firstStep_->blockSignals(false);
    historySteps_->setText(QString("of %1, to the view now").arg(views));
    if (!rendering()) {
        // The keyframes added, if any, are what the person gathered for it.
        const bool added = window_.added && window_.added->size() >= 2;
        (added ? addedSource_ : historySource_)->setChecked(true);
        takeKeyframes();
    }
    if (!placed_) placeBesidePicture();
    show();
    raise();
    activateWindow();
}

// The preview plays in the window's picture area, whose top left corner
// holds the picture: the dialog first opens against the window's right edge,
// leaving as much of it in sight as it can.
void MovieDialog::placeBesidePicture()
{
    placed_ = true;
    QWidget* window = parentWidget();
    if (!window) return;
    adjustSize();
    const QRect frame = window->frameGeometry();
    move(std::max(frame.left(), frame.right() - width()), frame.top() + 40);
}

void MovieDialog::addedChanged()
{
    if (addedSource_->isChecked()) {
        table_->refresh();
        showLength();
    }
}

void MovieDialog::useHistoryFrom(int step)
{
    firstStep_->setValue(step);
    historySource_->setChecked(true);
    takeKeyframes();
}

void MovieDialog::useAdded() { addedSource_->setChecked(true); }

KeyframeList* MovieDialog::list()
{
    return addedSource_->isChecked() && window_.added ? window_.added : &fromHistory_;
}

const KeyframeList& MovieDialog::keyframes() const
{
    return addedSource_->isChecked() && window_.added ? *window_.added : fromHistory_;
}

void MovieDialog::takeKeyframes()
{
    if (historySource_->isChecked() && window_.history)
        fromHistory_ = window_.history(static_cast<std::size_t>(firstStep_->value() - 1));
    table_->setList(list());
    showLength();
}

void MovieDialog::setDensity(int density) { density_->setValue(density); }
void MovieDialog::setFps(int fps) { fps_->setValue(fps); }
void MovieDialog::setSupersample(int supersample) { supersample_->setValue(supersample); }
void MovieDialog::setQuality(int quality) { quality_->setValue(quality); }
void MovieDialog::setEase(bool ease) { ease_->setChecked(ease); }
void MovieDialog::setFile(const QString& path) { file_->setText(path); }

Outcome<KeyframePath> MovieDialog::path() const
{
    return pathOf(keyframes(), {density_->value(), supersample_->value(), ease_->isChecked()});
}

Outcome<MovieTimeline> MovieDialog::timeline() const
{
    const auto keyed = path();
    if (!keyed) return keyed.failure();
    return MovieTimeline::of(keyed.value(), fps_->value());
}

QSize MovieDialog::frameSize() const
{
    const auto keyed = path();
    if (!keyed) return {};
    const auto plan = planPoster(keyed.value().keyframes.front().view);
    return plan ? QSize(plan.value().width, plan.value().height) : QSize();
}

long long MovieDialog::frameCount() const
{
    const auto frames = timeline();
    return frames ? frames.value().frameCount() : 0;
}

void MovieDialog::showLength()
{
    const auto frames = timeline();
    if (!frames) return length_->setText(movieFailureText(frames.failure()));
    const QSize size = frameSize();
    if (size.isEmpty()) return length_->setText("The keyframes' picture is empty.");
    length_->setText(QString("%1 frames of %2 \u00d7 %3 pixels, %4 s")
                         .arg(frames.value().frameCount())
                         .arg(size.width())
                         .arg(size.height())
                         .arg(path().value().totalSeconds(), 0, 'f', 1));
}

void MovieDialog::preview()
{
    if (player_->playing())
        player_->pause();
    else if (player_->active())
        player_->resume();
    else if (const auto frames = timeline())
        player_->play(frames.value());
    else
        showOutcome(movieFailureText(frames.failure()), true);
    showPreviewState();
}

void MovieDialog::stopPreview()
{
    if (!player_->active()) return;
    player_->stop();
    if (window_.previewEnded) window_.previewEnded();
    status_->clear();
    showPreviewState();
}

void MovieDialog::showPreviewState()
{
    preview_->setText(player_->playing()    ? "Pause"
                      : player_->atTheEnd() ? "Play again"
                      : player_->active()   ? "Play on"
                                            : "Preview");
    stop_->setEnabled(player_->active());
}

void MovieDialog::closeEvent(QCloseEvent* event)
{
    stopPreview();
    QDialog::closeEvent(event);
}

QString MovieDialog::fileToWrite()
{
    QString path = file_->text().trimmed();
    if (path.isEmpty() && window_.chooseFile) path = window_.chooseFile("");
    if (path.isEmpty()) return "";
    if (QFileInfo(path).isRelative() && window_.folder)
        path = QDir(window_.folder()).absoluteFilePath(path);
    path = withMovieEnding(path);
    file_->setText(path);
    if (!path.contains(kFrameMark) && QFileInfo::exists(path) && !confirmReplace(this, path))
        return "";
    return path;
}

void MovieDialog::startRendering()
{
    if (rendering()) return;
    const auto keyed = path();
    if (!keyed) return showOutcome(movieFailureText(keyed.failure()), true);
    const QString chosen = fileToWrite();
    if (chosen.isEmpty()) return;
    const std::string file = chosen.toStdString();
    MovieSettings settings;
    settings.fps = fps_->value();
    settings.quality = quality_->value();
    setRendering(true);
    job_->start([path = keyed.value(), settings, file](const PosterWatch& watch) {
        MovieWatch frames;
        frames.progress = [&watch](long long done, long long all) { watch.progress({done, all}); };
        frames.cancelled = watch.cancelled;
        const auto end =
            writeMovie(WorkerPool::shared(), path, settings, file, frames, Priority::Background);
        if (!end)
            return BackgroundJob::End(
                QString("Not written: %1").arg(movieFailureText(end.failure())), true);
        return BackgroundJob::End(end.value() == PosterEnd::Cancelled
                                      ? QString("Cancelled: nothing was written.")
                                      : QString("Written: %1").arg(QString::fromStdString(file)));
    });
}

void MovieDialog::cancel() { job_->cancel(); }

bool MovieDialog::rendering() const { return job_->running(); }

void MovieDialog::done(const QString& outcome, bool failed)
{
    setRendering(false);
    showOutcome(outcome, failed);
    emit finished();
}

void MovieDialog::showOutcome(const QString& outcome, bool failed)
{
    outcome_ = outcome;
    status_->setText(outcome);
    // A failure stands out from the progress it replaces.
    status_->setStyleSheet(failed ? "color: #b00000; font-weight: bold;" : "");
}

void MovieDialog::setRendering(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{historySource_, addedSource_, firstStep_,
                                                      table_, density_, fps_, supersample_,
                                                      quality_, ease_, file_, choose_, render_})
        w->setEnabled(!on);
    close_->setText(on ? "Cancel" : "Close");
    progress_->setVisible(on);
    if (on) {
        progress_->setValue(0);
        status_->clear();
        status_->setStyleSheet("");
    }
}

}  // namespace zentrel::app
