#include "ui/Fonts.h"

#include <QStringList>

namespace parlomatic {

namespace {

QFont font(const QStringList& families, QFont::StyleHint hint, qreal pointSize, QFont::Weight weight) {
    QFont result;
    result.setFamilies(families);
    result.setStyleHint(hint);
    result.setPointSizeF(pointSize);
    result.setWeight(weight);
    return result;
}

} // namespace

QFont dialogFont(qreal pointSize) {
    return font({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                 QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed"),
                 QStringLiteral("Helvetica")},
                QFont::SansSerif, pointSize, QFont::Normal);
}

QFont arialFont(qreal pointSize, QFont::Weight weight) {
    return font({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica")},
                QFont::SansSerif, pointSize, weight);
}

QFont timesFont(qreal pointSize) {
    return font({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("Times")},
                QFont::Serif, pointSize, QFont::Normal);
}

} // namespace parlomatic
