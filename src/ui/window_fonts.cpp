// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "window_fonts.h"

#include <QStringList>

namespace tavolix::ui {

QString designed_family(FontName name) {
    switch (name) {
        case FontName::MsSansSerif:
            return QStringLiteral("MS Sans Serif");
        case FontName::CourierNew:
            return QStringLiteral("Courier New");
        case FontName::Arial:
            return QStringLiteral("Arial");
    }
    return {};
}

QString fallback_family(FontName name) {
    return name == FontName::CourierNew ? QStringLiteral("Liberation Mono")
                                        : QStringLiteral("Liberation Sans");
}

QFont make_font(const FontSpec& wanted) {
    QFont font;
    // A family list, unlike a single family, is not replaced by whatever
    // fontconfig substitutes for a missing Windows font (often a wider face).
    font.setFamilies(QStringList{designed_family(wanted.name), fallback_family(wanted.name)});
    const bool fixed_pitch = wanted.name == FontName::CourierNew;
    font.setStyleHint(fixed_pitch ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixed_pitch);
    font.setPointSizeF(wanted.points);
    font.setBold(wanted.bold);
    font.setUnderline(wanted.underline);
    return font;
}

}  // namespace tavolix::ui
