// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keyframe_table.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/view_thumbnail.h"

namespace zentrel::app {
namespace {

const QSize kThumbnail(96, 72);
enum Column { Picture, Recipe, Seconds, Columns };

// The control in the middle of a cell as tall as a thumbnail, at its own
// height.
QWidget* centred(QWidget* control)
{
    auto* cell = new QWidget;
    auto* layout = new QVBoxLayout(cell);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(control, 0, Qt::AlignVCenter);
    return cell;
}

}  // namespace

KeyframeTable::KeyframeTable(QWidget* parent)
    : QWidget(parent),
      table_(new QTableWidget(0, Columns)),
      up_(new QPushButton("Up")),
      down_(new QPushButton("Down")),
      remove_(new QPushButton("Remove"))
{
    table_->setHorizontalHeaderLabels({"", "View", "Seconds to the next"});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setIconSize(kThumbnail);
    table_->verticalHeader()->setDefaultSectionSize(kThumbnail.height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(Picture, QHeaderView::Fixed);
    table_->horizontalHeader()->setSectionResizeMode(Recipe, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(Seconds, QHeaderView::ResizeToContents);
    table_->setColumnWidth(Picture, kThumbnail.width() + 8);
    table_->setWordWrap(true);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {up_, down_, remove_}) buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    connect(up_, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(remove_, &QPushButton::clicked, this, &KeyframeTable::removeCurrent);
    connect(table_, &QTableWidget::currentCellChanged, this, &KeyframeTable::showButtons);
    showButtons();
}

void KeyframeTable::setList(KeyframeList* list)
{
    list_ = list;
    refresh();
}

void KeyframeTable::refresh()
{
    const int current = currentRow();
    table_->setRowCount(0);
    if (list_) {
        table_->setRowCount(static_cast<int>(list_->size()));
        for (std::size_t i = 0; i < list_->size(); ++i)
            addRow(static_cast<int>(i), list_->keyframes()[i]);
    }
    setCurrentRow(std::min(current, table_->rowCount() - 1));
    showButtons();
}

void KeyframeTable::addRow(int row, const MovieKeyframe& keyframe)
{
    auto* picture = new QTableWidgetItem;
    picture->setIcon(thumbnail(keyframe.view));
    table_->setItem(row, Picture, picture);
    table_->setItem(row, Recipe,
                    new QTableWidgetItem(QString::fromStdString(recipeOf(keyframe.view))));
    if (row + 1 == table_->rowCount()) {
        table_->setCellWidget(row, Seconds, centred(new QLabel("the end")));
        return;
    }
    auto* seconds = new QDoubleSpinBox;
    seconds->setRange(0.1, 3600);
    seconds->setDecimals(1);
    seconds->setSuffix(" s");
    seconds->setValue(keyframe.seconds);
    connect(seconds, &QDoubleSpinBox::valueChanged, this,
            [this, row](double value) { setSeconds(row, value); });
    table_->setCellWidget(row, Seconds, centred(seconds));
}

QPixmap KeyframeTable::thumbnail(const View& view)
{
    const QString recipe = QString::fromStdString(recipeOf(view));
    auto known = thumbnails_.find(recipe);
    if (known == thumbnails_.end())
        known = thumbnails_.insert(recipe, QPixmap::fromImage(viewThumbnail(view, kThumbnail)));
    return *known;
}

int KeyframeTable::currentRow() const { return table_->currentRow(); }

void KeyframeTable::setCurrentRow(int row)
{
    if (row >= 0) table_->selectRow(row);
}

void KeyframeTable::moveCurrent(int by)
{
    const int from = currentRow();
    const int to = from + by;
    if (!list_ || from < 0 || to < 0 || to >= static_cast<int>(list_->size())) return;
    list_->move(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    refresh();
    setCurrentRow(to);
    emit changed();
}

void KeyframeTable::removeCurrent()
{
    const int row = currentRow();
    if (!list_ || row < 0) return;
    list_->remove(static_cast<std::size_t>(row));
    refresh();
    emit changed();
}

void KeyframeTable::setSeconds(int row, double seconds)
{
    if (!list_) return;
    list_->setSeconds(static_cast<std::size_t>(row), seconds);
    emit changed();
}

void KeyframeTable::showButtons()
{
    const int row = currentRow();
    const int rows = table_->rowCount();
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < rows);
    remove_->setEnabled(row >= 0);
}

}  // namespace zentrel::app
