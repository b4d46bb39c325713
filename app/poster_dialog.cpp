// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/poster_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/background_job.h"
#include "app/failure_text.h"
#include "picture/poster.h"
#include "picture/smooth.h"

namespace zentrel::app {
namespace {

QSpinBox* spinBox(int lowest, int highest, const QString& suffix)
{
    auto* box = new QSpinBox;
    box->setRange(lowest, highest);
    box->setSuffix(suffix);
    return box;
}

// The size of the view's picture at density 1; empty when it has none.
QSize viewSize(const View& view)
{
    View plain = view;
    plain.density = plain.supersample = 1;
    const auto plan = planPoster(plain);
    return plan ? QSize(plan.value().width, plan.value().height) : QSize();
}

// A poster is the view's own region, finer: its sides are the view's times
// the density. The smallest density whose poster covers the wanted size.
int densityCovering(const QSize& base, const QSize& wanted)
{
    if (base.isEmpty()) return 1;
    const auto times = [](int want, int have) { return (want + have - 1) / have; };
    return std::clamp(
        std::max(times(wanted.width(), base.width()), times(wanted.height(), base.height())), 1,
        kMaxDensity);
}

struct SizePreset {
    const char* name;
    QSize size;
};

// clang-format off
const SizePreset kPresets[] = {
    {"Full HD screen, 1920 \u00d7 1080", {1920, 1080}},
    {"4K screen, 3840 \u00d7 2160", {3840, 2160}},
    {"A4 print at 300 dpi, 3508 \u00d7 2480", {3508, 2480}},
    {"A3 print at 300 dpi, 4961 \u00d7 3508", {4961, 3508}},
    {"A2 print at 300 dpi, 7016 \u00d7 4961", {7016, 4961}},
};
// clang-format on

}  // namespace

PosterDialog::PosterDialog(QWidget* parent)
    : QDialog(parent),
      density_(spinBox(1, kMaxDensity, " \u00d7")),
      width_(spinBox(1, static_cast<int>(kMaxExtent), " pixels")),
      supersample_(spinBox(1, kMaxSupersample, "")),
      presets_(new QComboBox),
      deep_(new QCheckBox("16 bits per channel")),
      file_(new QLineEdit),
      viewText_(new QLabel),
      takeView_(new QPushButton("Use the window's view")),
      choose_(new QPushButton("Choose\u2026")),
      size_(new QLabel),
      progress_(new QProgressBar),
      timeLeft_(new QLabel),
      render_(new QPushButton("Render")),
      cancel_(new QPushButton("Close")),
      job_(new BackgroundJob(progress_, timeLeft_, this))
{
    setWindowTitle("Render poster");
    setObjectName("posterDialog");
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_);
    fileRow->addWidget(choose_);
    auto* viewRow = new QHBoxLayout;
    viewRow->addWidget(viewText_, 1);
    viewRow->addWidget(takeView_);
    viewText_->setTextFormat(Qt::PlainText);
    viewText_->setWordWrap(true);
    viewText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* form = new QFormLayout;
    form->addRow("View:", viewRow);
    form->addRow("Density (the same view, finer):", density_);
    form->addRow("or at least as wide as:", width_);
    form->addRow("or at least as large as:", presets_);
    form->addRow("Smoothing (samples across and down a pixel):", supersample_);
    form->addRow("", deep_);
    form->addRow("Poster:", size_);
    form->addRow("File:", fileRow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(render_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(progress_);
    layout->addWidget(timeLeft_);
    layout->addLayout(buttons);
    // Failures and file names are shown as they are, never as markup.
    size_->setTextFormat(Qt::PlainText);
    timeLeft_->setTextFormat(Qt::PlainText);
    render_->setDefault(true);
    file_->setMinimumWidth(320);

    connect(density_, &QSpinBox::valueChanged, this, &PosterDialog::showSize);
    connect(supersample_, &QSpinBox::valueChanged, this, &PosterDialog::showSize);
    connect(width_, &QSpinBox::editingFinished, this, [this] { setWidth(width_->value()); });
    presets_->addItem("\u2014");
    for (const SizePreset& preset : kPresets) presets_->addItem(preset.name, preset.size);
    connect(presets_, &QComboBox::activated, this, [this](int index) {
        if (index > 0)
            setDensity(densityCovering(viewSize(view_), presets_->itemData(index).toSize()));
    });
    connect(choose_, &QPushButton::clicked, this, [this] {
        const QString path = window_.chooseFile ? window_.chooseFile(posterView()) : QString();
        if (!path.isEmpty()) file_->setText(path);
    });
    connect(takeView_, &QPushButton::clicked, this, &PosterDialog::takeWindowView);
    confirmReplace = [](QWidget* parent, const QString& path) {
        QMessageBox box(QMessageBox::Question, "Render poster",
                        QString("%1 exists already. Replace it?").arg(path),
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    connect(render_, &QPushButton::clicked, this, &PosterDialog::startRendering);
    connect(job_, &BackgroundJob::ended, this, &PosterDialog::done);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (rendering())
            cancel();
        else
            close();
    });
    setRendering(false);
}

void PosterDialog::offer(const View& view, Window window)
{
    window_ = std::move(window);
    if (!rendering()) setView(view);
    show();
    raise();
    activateWindow();
}

void PosterDialog::setView(const View& view)
{
    view_ = view;
    View shown = view;
    shown.density = shown.supersample = 1;
    shown.depth = 8;
    viewText_->setText(QString::fromStdString(recipeOf(shown)));
    showSize();
}

void PosterDialog::takeWindowView()
{
    if (rendering() || !window_.view) return;
    if (const auto view = window_.view()) setView(*view);
}

QString PosterDialog::fileToWrite()
{
    QString path = file_->text().trimmed();
    if (QFileInfo(path).isRelative() && window_.folder)
        path = QDir(window_.folder()).absoluteFilePath(path);
    if (QFileInfo(path).suffix().isEmpty()) path += ".png";
    file_->setText(path);
    const QString ending = QFileInfo(path).suffix().toLower();
    const bool picture = ending == "png" || ending == "ppm";
    if (picture && QFileInfo::exists(path) && !confirmReplace(this, path)) return "";
    return path;
}

void PosterDialog::setDensity(int density) { density_->setValue(density); }
void PosterDialog::setSupersample(int supersample) { supersample_->setValue(supersample); }
void PosterDialog::setDepth(int bits) { deep_->setChecked(bits == 16); }
void PosterDialog::setFile(const QString& path) { file_->setText(path); }

void PosterDialog::setWidth(int width)
{
    density_->setValue(densityCovering(viewSize(view_), QSize(width, 1)));
    showSize();
}

QSize PosterDialog::posterSize() const
{
    const auto plan = planPoster(posterView());
    return plan ? QSize(plan.value().width, plan.value().height) : QSize();
}

View PosterDialog::posterView() const
{
    View poster = view_;
    poster.density = density_->value();
    poster.supersample = supersample_->value();
    poster.depth = deep_->isChecked() ? 16 : 8;
    return poster;
}

void PosterDialog::showSize()
{
    const auto plan = planPoster(posterView());
    if (!plan) {
        size_->setText(QString::fromStdString(failureText(plan.failure())));
        return;
    }
    size_->setText(
        QString("%1 \u00d7 %2 pixels of \u201c%3\u201d")
            .arg(plan.value().width)
            .arg(plan.value().height)
            .arg(QString::fromUtf8(view_.pattern->caption.data(),
                                   static_cast<qsizetype>(view_.pattern->caption.size()))));
    width_->blockSignals(true);
    width_->setValue(std::max(1, plan.value().width));
    width_->blockSignals(false);
}

void PosterDialog::startRendering()
{
    if (rendering()) return;
    if (file_->text().trimmed().isEmpty()) {
        const QString path = window_.chooseFile ? window_.chooseFile(posterView()) : QString();
        if (path.isEmpty()) return;
        file_->setText(path);
    }
    const View view = posterView();
    auto plan = planPoster(view);
    if (!plan) return done(QString::fromStdString(failureText(plan.failure())));
    if (plan.value().empty()) return done("The picture is empty: the size is below 1.");
    const QString chosen = fileToWrite();
    if (chosen.isEmpty()) return;
    const QString ending = QFileInfo(chosen).suffix().toLower();
    if (ending != "png" && ending != "ppm")
        return done(QString("%1: a poster is written as a PNG (.png) or PPM (.ppm) picture; "
                            "give one of those endings.")
                        .arg(chosen));
    const std::string path = chosen.toStdString();
    setRendering(true);
    job_->start([view, plan = std::move(plan.value()), path](const PosterWatch& watch) {
        const auto end =
            writePoster(WorkerPool::shared(), view, plan, path, watch, Priority::Background);
        return !end ? QString::fromStdString(failureText(end.failure()))
               : end.value() == PosterEnd::Cancelled ? QString("Cancelled: nothing was written.")
                                                     : QString("Written: %1, %2 \u00d7 %3 pixels.")
                                                           .arg(QString::fromStdString(path))
                                                           .arg(plan.width)
                                                           .arg(plan.height);
    });
}

void PosterDialog::cancel() { job_->cancel(); }

bool PosterDialog::rendering() const { return job_->running(); }

void PosterDialog::done(const QString& outcome)
{
    setRendering(false);
    outcome_ = outcome;
    timeLeft_->setText(outcome);
    emit finished();
}

void PosterDialog::setRendering(bool on)
{
    for (QWidget* w : {static_cast<QWidget*>(density_), static_cast<QWidget*>(width_),
                       static_cast<QWidget*>(supersample_), static_cast<QWidget*>(presets_),
                       static_cast<QWidget*>(deep_), static_cast<QWidget*>(file_),
                       static_cast<QWidget*>(render_), static_cast<QWidget*>(choose_),
                       static_cast<QWidget*>(takeView_)})
        w->setEnabled(!on);
    cancel_->setText(on ? "Cancel" : "Close");
    progress_->setVisible(on);
}

}  // namespace zentrel::app
