// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SplashWindow.h"

#include "catalogue/ProductInfo.h"
#include "i18n/LanguageSetting.h"
#include "i18n/Languages.h"
#include "locate/RememberedProfile.h"
#include "profile/UserInteraction.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QVariantAnimation>

namespace parlomatic {

namespace {

constexpr int clientWidth = 7380;
// The designed client area, and below it the row that chooses the language.
constexpr int designedClientHeight = 4965;
constexpr int languageRowHeight = 435;
constexpr int clientHeight = designedClientHeight + languageRowHeight;
// The border drawn around the client area in place of the dialog frame.
constexpr int borderWidth = 2;
constexpr int shrinkMilliseconds = 300;

QLabel* wrappingLabel(const QString& caption, QWidget* parent) {
    QLabel* label = captionLabel(caption, parent);
    label->setWordWrap(true);
    return label;
}

// A place on the window's client area, inside the drawn border.
QRect clientRect(int left, int top, int width, int height) {
    return twipsRect(left, top, width, height).translated(borderWidth, borderWidth);
}

} // namespace

SplashWindow::SplashWindow(UserInteraction& interaction)
    : QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint), m_interaction(interaction),
      m_productLine(product::productLine()) {
    setObjectName(QStringLiteral("frmSplash"));
    closeOnEscape(this);
    setFont(dialogFont());
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(borderWidth);
    setFixedSize(pixels(clientWidth) + 2 * borderWidth, pixels(clientHeight) + 2 * borderWidth);
}

void SplashWindow::buildControls() {
    // Created from back to front, so that later controls lie in front.
    placed(wrappingLabel(tr("This Tool (and maybe future versions) can be downloaded here:"), this),
           QStringLiteral("Label6"), clientRect(240, 4080, 5535, 255));

    QFrame* panel = placed(whitePanel(this), QStringLiteral("Frame1"), clientRect(120, 120, 7080, 3795));
    auto* picture = placed(new QLabel(panel), QStringLiteral("Image2"), twipsRect(4920, 480, 2085, 3240));
    picture->setPixmap(pngPicture(QStringLiteral(":/pictures/sword.png")));
    // The texts beside the picture wrap before it rather than running under it.
    const int textRight = picture->x() - 6;
    const auto text = [panel, textRight](const QString& name, const QString& caption, const QRect& designed) {
        QRect place = designed;
        place.setRight(std::min(place.right(), textRight));
        placed(wrappingLabel(caption, panel), name, place);
    };
    text(QStringLiteral("Label5"),
         tr(" Kind of a disclaimer:") + QString(59, QLatin1Char(' ')) +
             tr("This software is provided as is. The author takes no responsibilitys whatsoever"),
         twipsRect(120, 3120, 4095, 615));
    text(QStringLiteral("Label4"),
         tr("If you want to use non Standardvoicepacks Online,the Server must have installed those "
            "Voicepacks too. "),
         twipsRect(120, 2640, 4575, 495));
    text(QStringLiteral("Label3"),
         tr("This tool also has support for some non Standardvoicpacks, make sure you have installed them, "
            "before you use them") +
             QString(24, QLatin1Char(' ')) + tr("(Like the Ned Flanders Voicepack)"),
         twipsRect(120, 1920, 4815, 735));
    text(QStringLiteral("Label2"),
         tr("Simply choose a Taunt and a free Key and Press the assign Button. Do that for all desired "
            "taunts"),
         twipsRect(120, 1440, 4935, 615));
    text(QStringLiteral("Label1"), tr("Put this program into your UT/system folder"), twipsRect(120, 1080, 3615, 255));

    // The credit line is right-aligned and grows to fit, keeping its right edge.
    m_platform = captionLabel(product::creditLine(), panel);
    m_platform->setObjectName(QStringLiteral("lblPlatform"));
    m_platform->setFont(arialFont(9.75, QFont::Bold));
    m_platform->setAlignment(Qt::AlignRight | Qt::AlignTop);
    const QRect platformPlace = twipsRect(2400, 480, 1860, 240);
    m_platform->adjustSize();
    const int platformWidth = std::max(platformPlace.width(), m_platform->width());
    m_platform->setGeometry(platformPlace.right() + 1 - platformWidth, platformPlace.top(), platformWidth,
                            std::max(platformPlace.height(), m_platform->height()));

    m_product =
        placed(captionLabel(QString(), panel), QStringLiteral("lblCompanyProduct"), twipsRect(600, 120, 5055, 330));
    m_product->setFont(arialFont(14.25, QFont::Bold));
    setProductLine(m_productLine);

    // The address row is laid out by placeAddressRow below.
    auto* address = new QLineEdit(product::downloadAddress(), this);
    address->setObjectName(QStringLiteral("Text2"));
    QLabel* orLabel = captionLabel(tr("or"), this);
    orLabel->setObjectName(QStringLiteral("Label7"));
    orLabel->setFont(arialFont(14.25));
    m_close = placed(new QPushButton(tr("Close this Screen"), this), QStringLiteral("Command2"),
                     clientRect(5400, 4200, 1815, 675));
    m_close->setFont(dialogFont(9.75));
    connect(m_close, &QPushButton::clicked, this, &SplashWindow::Command2_Click);
    auto* visit = new QPushButton(tr("Visit  %1").arg(product::downloadHost()), this);
    visit->setObjectName(QStringLiteral("Command3"));
    connect(visit, &QPushButton::clicked, this, &SplashWindow::Command3_Click);
    placeAddressRow(address, orLabel, visit);

    QComboBox* language = buildLanguageRow();

    setTabOrder(address, m_close);
    setTabOrder(m_close, visit);
    setTabOrder(visit, language);
    enterClicksFocusedButton(this);
}

QComboBox* SplashWindow::buildLanguageRow() {
    QLabel* caption = captionLabel(tr("Language:"), this);
    caption->setObjectName(QStringLiteral("languageCaption"));
    auto* language = new QComboBox(this);
    language->setObjectName(QStringLiteral("language"));
    language->addItem(tr("As the system"), QString());
    for (const Language& each : windowLanguages())
        language->addItem(each.nativeName, each.code);
    language->setCurrentIndex(std::max(0, language->findData(rememberedLanguage(*programSettings()))));
    m_languageNote = captionLabel(QString(), this);
    m_languageNote->setObjectName(QStringLiteral("languageNote"));
    connect(language, &QComboBox::activated, this, [this, language] {
        rememberLanguage(*programSettings(), language->currentData().toString());
        m_languageNote->setText(tr("Takes effect when Parlomatic starts again."));
        m_languageNote->adjustSize();
    });

    // The row lies below the designed area, left-aligned with the download hint.
    constexpr int gap = 6;
    const QRect row = clientRect(240, designedClientHeight, clientWidth - 480, languageRowHeight - 60);
    const int captionWidth = caption->sizeHint().width();
    const QSize languageSize = language->sizeHint();
    const int languageTop = row.top() + (row.height() - languageSize.height()) / 2;
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption->setGeometry(row.left(), languageTop, captionWidth, languageSize.height());
    language->setGeometry(row.left() + captionWidth + gap, languageTop, languageSize.width(), languageSize.height());
    m_languageNote->move(language->geometry().right() + 1 + gap,
                         row.top() + (row.height() - m_languageNote->sizeHint().height()) / 2);
    return language;
}

void SplashWindow::placeAddressRow(QLineEdit* address, QLabel* orLabel, QPushButton* visit) {
    // The row reads "<address> or <Visit  host>" below the hint, starting at
    // the hint's left edge. Each control is as wide as its text, at least as
    // wide as designed; the address box gives way first when the row would
    // reach the close button, and then scrolls.
    const QRect designedAddress = twipsRect(840, 4440, 1215, 285);
    const QRect designedVisit = twipsRect(2280, 4440, 1215, 285);
    constexpr int gap = 4;
    const int rowLeft = pixels(240);
    const int rowRight = pixels(5400) - 2 * gap;
    const int top = designedAddress.top();

    const int visitWidth = std::max(designedVisit.width(), visit->sizeHint().width());
    const int orWidth = orLabel->fontMetrics().horizontalAdvance(orLabel->text()) + 2;
    const int addressRoom = rowRight - rowLeft - orWidth - visitWidth - 2 * gap;
    const int addressWanted = address->fontMetrics().horizontalAdvance(address->text()) + 12;
    const int addressWidth = std::max(designedAddress.width(), std::min(addressWanted, addressRoom));

    QRect place(rowLeft, top, addressWidth, designedAddress.height());
    address->setGeometry(place.translated(borderWidth, borderWidth));
    address->setCursorPosition(0);
    const int orHeight = orLabel->sizeHint().height();
    place = QRect(place.right() + 1 + gap, top + (designedAddress.height() - orHeight) / 2, orWidth, orHeight);
    orLabel->setGeometry(place.translated(borderWidth, borderWidth));
    place = QRect(place.right() + 1 + gap, top, visitWidth, designedVisit.height());
    visit->setGeometry(place.translated(borderWidth, borderWidth));
}

void SplashWindow::setProductLine(const QString& line) {
    m_productLine = line;
    if (!m_product)
        return;
    m_product->setText(line);
    m_product->adjustSize();
}

QString SplashWindow::productLine() const {
    return m_productLine;
}

void SplashWindow::Command2_Click() {
    m_close->setEnabled(false);
    QVariantAnimation shrink;
    shrink.setStartValue(height());
    shrink.setEndValue(1);
    shrink.setDuration(shrinkMilliseconds);
    setMinimumHeight(1);
    connect(&shrink, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { resize(width(), value.toInt()); });
    // Like a loop inside the click handler: nothing else can be clicked meanwhile.
    QEventLoop loop;
    connect(&shrink, &QVariantAnimation::finished, &loop, &QEventLoop::quit);
    shrink.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    hide();
    emit unloaded();
    deleteLater();
}

void SplashWindow::Command3_Click() {
    m_interaction.openInBrowser(product::downloadAddress());
}

void SplashWindow::setVisible(bool visible) {
    // Most runs never show this window: its controls are made when it is first shown.
    if (visible && !m_product)
        buildControls();
    QFrame::setVisible(visible);
}

void SplashWindow::showEvent(QShowEvent* event) {
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QFrame::showEvent(event);
}

} // namespace parlomatic
