// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymappicture/KeyboardMapPicture.h"

#include "catalogue/ProductInfo.h"
#include "keymap/KeyboardLayout.h"
#include "profile/UserInteraction.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

#include <array>

namespace parlomatic {

namespace {

// The picture's parts, in key units.
constexpr qreal margin = 0.3;
constexpr qreal titleHeight = 0.7;
constexpr qreal legendGap = 0.4;
constexpr qreal legendHeight = 0.6;
constexpr qreal keyInset = 0.05;
constexpr qreal textSize = 0.3;
// Pixels per key unit at the natural size.
constexpr qreal naturalUnit = 40.0;

constexpr std::array legendOrder{BindingClass::CurrentTaunt, BindingClass::OtherSpeech,  BindingClass::Movement,
                                 BindingClass::Weapon,       BindingClass::OtherCommand, BindingClass::Nothing,
                                 BindingClass::Unavailable};

QRectF pictureUnits() {
    const QRectF keys = keyboardLayoutBounds();
    return QRectF(0, 0, keys.right() + 2 * margin, keys.bottom() + titleHeight + legendGap + legendHeight + 2 * margin);
}

QPointF keysOrigin() {
    return QPointF(margin, margin + titleHeight);
}

QFont fontOfPixels(int pixels, bool bold = false, int stretch = QFont::Unstretched) {
    QFont font;
    font.setPixelSize(std::max(1, pixels));
    font.setBold(bold);
    font.setStretch(stretch);
    // Unhinted glyphs measure the same at every screen scale, so text that fits at one fits at all.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The text split at the capital or digit nearest its middle ("Left|Bracket",
// "NumPad|7"), or an empty list when it has no such place.
QStringList splitNearMiddle(const QString& text) {
    qsizetype best = -1;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const bool boundary =
            (text[i].isUpper() && text[i - 1].isLower()) || (text[i].isDigit() && !text[i - 1].isDigit());
        if (boundary && (best < 0 || qAbs(i - text.size() / 2) < qAbs(best - text.size() / 2)))
            best = i;
    }
    if (best < 0)
        return {};
    return {text.left(best), text.mid(best)};
}

// A key's text: its lines and the font that lets them fit.
struct KeyText {
    QStringList lines;
    QFont font;
    int pixels = 0;
};

// The largest font up to largest pixels in which lines fit into box, narrowed
// before it is made smaller; pixels is 0 when none fits.
KeyText fittingText(const QStringList& lines, const QSizeF& box, int largest) {
    for (int pixels = largest; pixels >= 5; --pixels) {
        for (int stretch : {int(QFont::Unstretched), int(QFont::SemiCondensed), int(QFont::Condensed)}) {
            const QFont font = fontOfPixels(pixels, false, stretch);
            const QFontMetricsF metrics(font);
            qreal widest = 0;
            for (const QString& line : lines)
                widest = std::max(widest, metrics.horizontalAdvance(line));
            if (widest <= box.width() && metrics.height() * lines.size() <= box.height())
                return {lines, font, pixels};
        }
    }
    return {lines, fontOfPixels(5), 0};
}

// Draws a key's name as large as the key allows, up to the common text size,
// on two lines when that lets it be larger.
void drawKeyText(QPainter& painter, const QRectF& key, const QString& text, int largest) {
    const QRectF box = key.adjusted(key.width() * 0.04, key.height() * 0.04, -key.width() * 0.04, -key.height() * 0.04);
    KeyText chosen = fittingText({text}, box.size(), largest);
    if (chosen.pixels < largest) {
        if (const QStringList split = splitNearMiddle(text); !split.isEmpty()) {
            if (KeyText twoLines = fittingText(split, box.size(), largest); twoLines.pixels > chosen.pixels)
                chosen = std::move(twoLines);
        }
    }
    painter.setFont(chosen.font);
    painter.drawText(box, Qt::AlignCenter, chosen.lines.join(QLatin1Char('\n')));
}

QString titleText(const KeyboardMap& map) {
    return map.voicepackName.isEmpty()
               ? QCoreApplication::translate("KeyboardMapPicture", "Keyboard map: no voicepack selected")
               : QCoreApplication::translate("KeyboardMapPicture", "Keyboard map: %1").arg(map.voicepackName);
}

} // namespace

QColor bindingColour(BindingClass kind) {
    switch (kind) {
    case BindingClass::CurrentTaunt:
        return QColor(0x7c, 0xcf, 0x7c);
    case BindingClass::OtherSpeech:
        return QColor(0xf4, 0xc0, 0x5e);
    case BindingClass::Movement:
        return QColor(0x86, 0xb4, 0xef);
    case BindingClass::Weapon:
        return QColor(0xef, 0x8a, 0x86);
    case BindingClass::OtherCommand:
        return QColor(0xc8, 0xa8, 0xe8);
    case BindingClass::Nothing:
        return QColor(0xff, 0xff, 0xff);
    case BindingClass::Unavailable:
        break;
    }
    return QColor(0xd4, 0xd4, 0xd4);
}

QString bindingClassName(BindingClass kind) {
    switch (kind) {
    case BindingClass::CurrentTaunt:
        return QCoreApplication::translate("KeyboardMapPicture", "Taunt of the current voicepack");
    case BindingClass::OtherSpeech:
        return QCoreApplication::translate("KeyboardMapPicture", "Speech of another voicepack");
    case BindingClass::Movement:
        return QCoreApplication::translate("KeyboardMapPicture", "Movement");
    case BindingClass::Weapon:
        return QCoreApplication::translate("KeyboardMapPicture", "Weapons");
    case BindingClass::OtherCommand:
        return QCoreApplication::translate("KeyboardMapPicture", "Other game command");
    case BindingClass::Nothing:
        return QCoreApplication::translate("KeyboardMapPicture", "Nothing bound");
    case BindingClass::Unavailable:
        break;
    }
    return QCoreApplication::translate("KeyboardMapPicture", "Cannot be bound here");
}

KeyboardMapPicture::KeyboardMapPicture(const QRectF& area) {
    const QRectF units = pictureUnits();
    m_unit = std::min(area.width() / units.width(), area.height() / units.height());
    m_origin = area.center() - QPointF(units.width(), units.height()) * m_unit / 2;
}

QSizeF KeyboardMapPicture::naturalSize() {
    return pictureUnits().size() * naturalUnit;
}

QRectF KeyboardMapPicture::unitRect(const QRectF& units) const {
    return QRectF(m_origin + units.topLeft() * m_unit, units.size() * m_unit);
}

QRectF KeyboardMapPicture::keyRect(int layoutIndex) const {
    const QRectF& place = keyboardLayout().at(static_cast<std::size_t>(layoutIndex)).place;
    return unitRect(place.translated(keysOrigin()).adjusted(keyInset, keyInset, -keyInset, -keyInset));
}

int KeyboardMapPicture::keyAt(const QPointF& point) const {
    for (int i = 0; i < static_cast<int>(keyboardLayout().size()); ++i) {
        if (keyRect(i).contains(point))
            return i;
    }
    return -1;
}

void KeyboardMapPicture::paint(QPainter& painter, const KeyboardMap& map, int selectedKey, int focusKey) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int textPixels = qRound(textSize * m_unit);
    const QColor ink(0x20, 0x20, 0x20);

    painter.setPen(ink);
    painter.setFont(fontOfPixels(qRound(0.4 * m_unit), true));
    painter.drawText(unitRect(QRectF(margin, margin, pictureUnits().width() - 2 * margin, titleHeight)),
                     Qt::AlignLeft | Qt::AlignTop, titleText(map));

    const std::vector<KeyCap>& layout = keyboardLayout();
    QRectF mouse;
    for (const KeyCap& key : layout) {
        if (key.block == KeyBlock::Mouse)
            mouse = mouse.united(key.place);
    }
    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.03 * m_unit));
    painter.setBrush(QColor(0xee, 0xee, 0xee));
    const QRectF body = unitRect(mouse.translated(keysOrigin()).adjusted(-0.15, -0.15, 0.15, 0.15));
    painter.drawRoundedRect(body, body.width() * 0.3, body.width() * 0.3);

    for (std::size_t i = 0; i < layout.size(); ++i) {
        const KeyState state = i < map.keys.size() ? map.keys[i] : KeyState{BindingClass::Unavailable, {}, {}};
        const QRectF rect = keyRect(static_cast<int>(i));
        const QColor fill = bindingColour(state.kind);
        painter.setPen(QPen(fill.darker(160), 0.025 * m_unit));
        painter.setBrush(fill);
        painter.drawRoundedRect(rect, 0.1 * m_unit, 0.1 * m_unit);
        painter.setPen(state.kind == BindingClass::Unavailable ? QColor(0x80, 0x80, 0x80) : ink);
        drawKeyText(painter, rect, layout[i].drawnText(), textPixels);
    }

    painter.setBrush(Qt::NoBrush);
    if (selectedKey >= 0 && selectedKey < static_cast<int>(layout.size())) {
        painter.setPen(QPen(ink, 0.08 * m_unit));
        painter.drawRoundedRect(keyRect(selectedKey), 0.1 * m_unit, 0.1 * m_unit);
    }
    if (focusKey >= 0 && focusKey < static_cast<int>(layout.size())) {
        painter.setPen(QPen(QColor(0x10, 0x50, 0xc0), 0.05 * m_unit, Qt::DashLine));
        painter.drawRoundedRect(
            keyRect(focusKey).adjusted(-0.04 * m_unit, -0.04 * m_unit, 0.04 * m_unit, 0.04 * m_unit), 0.12 * m_unit,
            0.12 * m_unit);
    }

    // The legend: a swatch and a name per class, in one row, smaller text when the row would not fit.
    const QRectF legend = unitRect(QRectF(margin, pictureUnits().height() - margin - legendHeight,
                                          pictureUnits().width() - 2 * margin, legendHeight));
    const qreal swatch = legend.height() * 0.7;
    const qreal gap = 0.4 * m_unit;
    int legendPixels = textPixels;
    for (; legendPixels > 5; --legendPixels) {
        const QFontMetricsF metrics(fontOfPixels(legendPixels));
        qreal width = 0;
        for (BindingClass kind : legendOrder)
            width += swatch + 0.15 * m_unit + metrics.horizontalAdvance(bindingClassName(kind)) + gap;
        if (width - gap <= legend.width())
            break;
    }
    const QFont legendFont = fontOfPixels(legendPixels);
    const QFontMetricsF metrics(legendFont);
    painter.setFont(legendFont);
    qreal x = legend.left();
    for (BindingClass kind : legendOrder) {
        const QColor fill = bindingColour(kind);
        painter.setPen(QPen(fill.darker(160), 0.025 * m_unit));
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(x, legend.center().y() - swatch / 2, swatch, swatch), 0.08 * m_unit,
                                0.08 * m_unit);
        x += swatch + 0.15 * m_unit;
        const QString name = bindingClassName(kind);
        const qreal width = metrics.horizontalAdvance(name);
        painter.setPen(ink);
        painter.drawText(QRectF(x, legend.top(), width + 1, legend.height()), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += width + gap;
    }
    painter.restore();
}

QImage renderKeyboardMap(const KeyboardMap& map, qreal scale) {
    const QSize size = (KeyboardMapPicture::naturalSize() * scale).toSize();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    KeyboardMapPicture(QRectF(QPointF(0, 0), size)).paint(painter, map);
    painter.end();
    return image;
}

Result saveKeyboardMapPng(const KeyboardMap& map, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Result::failure(file.errorString());
    QImageWriter writer(&file, "png");
    if (!writer.write(renderKeyboardMap(map))) {
        file.cancelWriting();
        return Result::failure(writer.errorString());
    }
    if (!file.commit())
        return Result::failure(file.errorString());
    return Result::success();
}

bool saveKeyboardMapAsked(const KeyboardMap& map, UserInteraction& interaction, const QString& initialDir) {
    const QString path = interaction.chooseSaveFile(
        {QCoreApplication::translate("KeyboardMapPicture", "Save picture"), QStringLiteral("keyboard-map.png"),
         QCoreApplication::translate("KeyboardMapPicture", "PNG pictures (*.png)"), initialDir});
    if (path.isEmpty())
        return false;
    const Result saved = saveKeyboardMapPng(map, path);
    if (!saved.ok()) {
        //: %1 is the picture's path, %2 why it was not saved
        interaction.showMessage({QCoreApplication::translate("KeyboardMapPicture", "The picture was not saved.\n%1: %2")
                                     .arg(path, saved.error()),
                                 product::applicationTitle(), MessageIcon::Critical, MessageButtons::Ok,
                                 MessageAnswer::Ok});
    }
    return saved.ok();
}

} // namespace parlomatic
