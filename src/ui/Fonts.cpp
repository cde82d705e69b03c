// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace parlomatic {

namespace {

// The families of choices that are installed here, in their order. Naming
// only those spares the font matching a search for each missing one; with
// none installed the style hint picks the font.
QStringList installed(const QStringList& choices) {
    // One look at the installed families: asking for each name on its own
    // (QFontDatabase::hasFamily) resolves aliases, which costs more than the matching saved.
    const QStringList families = QFontDatabase::families();
    QStringList found;
    for (const QString& family : choices) {
        if (families.contains(family, Qt::CaseInsensitive))
            found.append(family);
    }
    return found;
}

QFont font(const QStringList& families, QFont::StyleHint hint, qreal pointSize, QFont::Weight weight) {
    QFont result;
    if (!families.isEmpty())
        result.setFamilies(families);
    result.setStyleHint(hint);
    result.setPointSizeF(pointSize);
    result.setWeight(weight);
    return result;
}

} // namespace

QFont dialogFont(qreal pointSize) {
    static const QStringList families = installed(
        {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
         QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Helvetica")});
    return font(families, QFont::SansSerif, pointSize, QFont::Normal);
}

QFont arialFont(qreal pointSize, QFont::Weight weight) {
    static const QStringList families =
        installed({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica")});
    return font(families, QFont::SansSerif, pointSize, weight);
}

QFont timesFont(qreal pointSize) {
    static const QStringList families =
        installed({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("Times")});
    return font(families, QFont::Serif, pointSize, QFont::Normal);
}

} // namespace parlomatic
