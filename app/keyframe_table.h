// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include "session/movie_keyframes.h"

class QPushButton;
class QTableWidget;

namespace zentrel::app {

// The keyframes of a movie, one row each: a thumbnail of the view, its
// recipe and the seconds of the flight to the next, which can be edited;
// keyframes are moved up and down and removed.
class KeyframeTable : public QWidget {
    Q_OBJECT
public:
    explicit KeyframeTable(QWidget* parent = nullptr);

    // The list shown and edited; it must outlive the table or be replaced.
    void setList(KeyframeList* list);
    // The list changed elsewhere: shown again.
    void refresh();
    int currentRow() const;
    void setCurrentRow(int row);

    // What the buttons and the seconds' boxes do, for tests too.
    void moveCurrent(int by);
    void removeCurrent();
    void setSeconds(int row, double seconds);

signals:
    void changed();

private:
    void addRow(int row, const MovieKeyframe& keyframe);
    QPixmap thumbnail(const View& view);
    void showButtons();

    KeyframeList* list_ = nullptr;
    QTableWidget* table_;
    QPushButton* up_;
    QPushButton* down_;
    QPushButton* remove_;
    // Thumbnails by recipe: a list taken again does not draw them again.
    QHash<QString, QPixmap> thumbnails_;
};

}  // namespace zentrel::app
