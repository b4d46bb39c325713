// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/control_factory.h"

#include <QFont>
#include <QLineEdit>
#include <QPushButton>

#include "app/click_label.h"

namespace zentrel::app {
namespace {

// The designed faces are not on every desktop; these are their nearest
// stand-ins here.
QStringList familiesFor(std::string_view family)
{
    const QString designed = QString::fromUtf8(family.data(), static_cast<int>(family.size()));
    if (family == "Courier New") return {designed, "DejaVu Sans Mono", "Monospace"};
    return {designed, "DejaVu Sans", "Sans Serif"};
}

QFont fontFor(const FontSpec& spec)
{
    QFont font;
    font.setFamilies(familiesFor(spec.family));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    return font;
}

QWidget* createWidget(const ControlSpec& spec, QWidget* window)
{
    const QString caption = QString::fromStdString(spec.caption);
    switch (spec.kind) {
    case ControlKind::Label: {
        auto* label = new ClickLabel(caption, window);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (spec.bordered) label->setFrameShape(QFrame::Box);
        return label;
    }
    case ControlKind::Button:
        return new QPushButton(caption, window);
    case ControlKind::Field:
        return new QLineEdit(caption, window);
    }
    return nullptr;
}

}  // namespace

QColor toColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void setBackColour(QWidget* control, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    control->setPalette(palette);
}

QWidget* createControl(const ControlSpec& spec, QWidget* window, QStyle* style)
{
    QWidget* control = createWidget(spec, window);
    control->setObjectName(QString::fromStdString(spec.name));
    control->setGeometry(spec.left, spec.top, spec.width, spec.height);
    control->setStyle(style);
    control->setFont(fontFor(spec.font));
    control->setToolTip(QString::fromStdString(spec.tooltip));
    control->setAutoFillBackground(true);
    setBackColour(control, toColor(spec.background));
    if (spec.textColour) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::WindowText, toColor(*spec.textColour));
        palette.setColor(QPalette::Text, toColor(*spec.textColour));
        palette.setColor(QPalette::ButtonText, toColor(*spec.textColour));
        control->setPalette(palette);
    }
    return control;
}

}  // namespace zentrel::app
