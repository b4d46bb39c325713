// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/page_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/background_job.h"
#include "app/failure_text.h"
#include "picture/tile_folder.h"
#include "picture/tile_level.h"

namespace zentrel::app {
namespace {

QString captionOf(const View& view)
{
    return QString::fromUtf8(view.pattern->caption.data(),
                             static_cast<qsizetype>(view.pattern->caption.size()));
}

}  // namespace

PageDialog::PageDialog(QWidget* parent)
    : QDialog(parent),
      viewText_(new QLabel),
      levels_(new QSpinBox),
      size_(new QLabel),
      folder_(new QLineEdit),
      choose_(new QPushButton("Choose\u2026")),
      progress_(new QProgressBar),
      timeLeft_(new QLabel),
      export_(new QPushButton("Export")),
      cancel_(new QPushButton("Close")),
      job_(new BackgroundJob(progress_, timeLeft_, this))
{
    setWindowTitle("Export zoomable page");
    setObjectName("pageDialog");
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_);
    folderRow->addWidget(choose_);
    for (QLabel* label : {viewText_, size_, timeLeft_}) label->setTextFormat(Qt::PlainText);
    viewText_->setWordWrap(true);
    viewText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* form = new QFormLayout;
    form->addRow("View:", viewText_);
    form->addRow("Levels (each twice as fine):", levels_);
    form->addRow("Deepest level:", size_);
    form->addRow("Folder:", folderRow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(export_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(progress_);
    layout->addWidget(timeLeft_);
    layout->addLayout(buttons);
    export_->setDefault(true);
    folder_->setMinimumWidth(320);

    connect(levels_, &QSpinBox::valueChanged, this, &PageDialog::showSize);
    connect(choose_, &QPushButton::clicked, this, [this] {
        const QString path = window_.chooseFolder ? window_.chooseFolder(folder_->text()) : "";
        if (!path.isEmpty()) folder_->setText(path);
    });
    connect(export_, &QPushButton::clicked, this, &PageDialog::startExport);
    connect(job_, &BackgroundJob::ended, this, &PageDialog::done);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (exporting())
            cancel();
        else
            close();
    });
    setExporting(false);
}

void PageDialog::offer(const View& view, Window window)
{
    window_ = std::move(window);
    if (!exporting()) {
        view_ = view;
        view_.density = view_.supersample = 1;
        view_.depth = 8;
        viewText_->setText(QString::fromStdString(recipeOf(view_)));
        const auto most = mostTileLevels(view_);
        levels_->setRange(0, most ? most.value() : 0);
        levels_->setValue(std::min(kDefaultTileLevels, levels_->maximum()));
        if (folder_->text().isEmpty()) folder_->setText(captionOf(view_) + "-page");
        showSize();
    }
    show();
    raise();
    activateWindow();
}

void PageDialog::setLevels(int levels) { levels_->setValue(levels); }
int PageDialog::levels() const { return levels_->value(); }
int PageDialog::mostLevels() const { return levels_->maximum(); }
void PageDialog::setFolder(const QString& path) { folder_->setText(path); }
void PageDialog::cancel() { job_->cancel(); }
bool PageDialog::exporting() const { return job_->running(); }

void PageDialog::showSize()
{
    const auto plan = planPoster(levelView(view_, levels_->value()));
    if (!plan) return size_->setText(QString::fromStdString(failureText(plan.failure())));
    const auto tiles = [](int pixels) { return (pixels + kTileSize - 1) / kTileSize; };
    size_->setText(QString("%1 \u00d7 %2 pixels, %3 tiles")
                       .arg(plan.value().width)
                       .arg(plan.value().height)
                       .arg(tiles(plan.value().width) * tiles(plan.value().height)));
}

QString PageDialog::folderToWrite()
{
    QString path = folder_->text().trimmed();
    if (path.isEmpty()) return "";
    if (QFileInfo(path).isRelative() && window_.folder)
        path = QDir(window_.folder()).absoluteFilePath(path);
    folder_->setText(path);
    if (isFreeFolder(path.toStdString())) return path;
    done(QString("%1 is not an empty folder; a page is written into a new or empty one only.")
             .arg(path));
    return "";
}

void PageDialog::startExport()
{
    if (exporting()) return;
    if (folder_->text().trimmed().isEmpty() && window_.chooseFolder)
        folder_->setText(window_.chooseFolder(captionOf(view_) + "-page"));
    const QString chosen = folderToWrite();
    if (chosen.isEmpty()) return;
    setExporting(true);
    job_->start([view = view_, levels = levels_->value(),
                 path = chosen.toStdString()](const PosterWatch& watch) {
        const auto end =
            writeTileFolder(WorkerPool::shared(), view, levels, path, watch, Priority::Background);
        return !end ? QString::fromStdString(failureText(end.failure()))
               : end.value() == PosterEnd::Cancelled
                   ? QString("Cancelled: nothing was written.")
                   : QString("Written: %1/index.html, levels 0 to %2.")
                         .arg(QString::fromStdString(path))
                         .arg(levels);
    });
}

void PageDialog::done(const QString& outcome)
{
    setExporting(false);
    outcome_ = outcome;
    timeLeft_->setText(outcome);
    emit finished();
}

void PageDialog::setExporting(bool on)
{
    for (QWidget* w : {static_cast<QWidget*>(levels_), static_cast<QWidget*>(folder_),
                       static_cast<QWidget*>(choose_), static_cast<QWidget*>(export_)})
        w->setEnabled(!on);
    cancel_->setText(on ? "Cancel" : "Close");
    progress_->setVisible(on);
}

}  // namespace zentrel::app
