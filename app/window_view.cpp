// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_view.h"

#include "app/failure_text.h"
#include "engine/field_value.h"
#include "engine/number_text.h"
#include "engine/sweep.h"
#include "params/presets.h"

namespace zentrel::app {
namespace {

const char* const kNothingChanged = " Nothing was changed.";

struct NamedText {
    const char* name;
    const std::string* text;
};

// The size as the side field reads it.
QString sizeRead(const std::string& text)
{
    const Outcome<double> size = fieldValue(text);
    return size ? QString::fromStdString(numberText(size.value()))
                : QString("a number beyond any size");
}

}  // namespace

std::optional<QString> refusalOf(const View& view)
{
    const FieldTexts& f = view.fields;
    for (const NamedText& field :
         {NamedText{"across", &f.across}, NamedText{"down", &f.down}, NamedText{"size", &f.size},
          NamedText{"Xoom", &f.xoom}, NamedText{"brightness", &f.brightness}})
        if (field.text->size() > kLongestFieldText)
            return QString("The view's %1 text is %2 characters long; a field holds at most %3.%4")
                .arg(field.name)
                .arg(field.text->size())
                .arg(kLongestFieldText)
                .arg(kNothingChanged);
    // The size check of the side field: the window draws what fits it.
    const Outcome<FieldTexts> checked = checkSize(f);
    if (!checked || checked.value().size != f.size)
        return QString(
                   "The window draws pictures of a size from 1 to 1024, and this view's "
                   "size reads as %1. A larger picture is a poster's work: Render poster "
                   "(Ctrl+P) or zentrel-render.%2")
            .arg(sizeRead(f.size), kNothingChanged);
    const auto prepared = prepareSweep(*view.pattern, f);
    if (!prepared) return QString::fromStdString(failureText(prepared.failure())) + kNothingChanged;
    return std::nullopt;
}

}  // namespace zentrel::app
