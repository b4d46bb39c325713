// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "app/failure_text.h"
#include "picture/view.h"

class QWidget;

namespace zentrel::app {

// What keeping and sharing views needs of the window.
class ViewHost {
public:
    virtual ~ViewHost() = default;

    // The view of the picture on the window, if one was drawn since the
    // surface was last cleared.
    virtual std::optional<View> shownView() const = 0;
    // The pattern last chosen and the five fields as they stand now; none
    // before a pattern was chosen.
    virtual std::optional<View> typedView() const = 0;
    // Writes the view's texts into the fields and draws its pattern.
    virtual void showView(const View& view) = 0;
    virtual void showFailure(const QString& text) = 0;
    // A failure in the window's words.
    void showFailure(const Failure& failure)
    {
        showFailure(QString::fromStdString(failureText(failure)));
    }
    // Where dialogs open.
    virtual QWidget* dialogParent() = 0;
};

}  // namespace zentrel::app
