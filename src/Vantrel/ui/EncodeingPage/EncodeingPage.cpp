#include "EncodeingPage.h"

#include "ui_EncodeingPage.h"

#include "SkinColours/SkinColours.h"

#include <QResizeEvent>

#include <algorithm>

namespace {

const QString kBig = QStringLiteral("%number_big%");
const QString kSmall = QStringLiteral("%number_small%");
const QString kTextPre = QStringLiteral("%text_pre%");
const QString kTextNext = QStringLiteral("%text_next%");
const QString kCountValue = QStringLiteral("%count_value%");
const QString kUnitValue = QStringLiteral("%unit_value%");
const QString kSection = QStringLiteral("%section%");

const QString kTimes = QStringLiteral("&times;");
const QString kAccent = SkinColours::value("accent");
const QString kGrey = SkinColours::value("text-secondary");

// Font sizes as shares of the page height.
constexpr double kTitleFactor = 0.06;
constexpr double kTitleSmallFactor = 0.048;
constexpr double kValueFactor = 0.1;
constexpr double kValueSmallFactor = 0.05;
// Below these the captions of a page at the window's smallest size could
// not be read (7 px); the figures keep their shares of the height.
constexpr int kMinTitlePx = 12;
constexpr int kMinTitleSmallPx = 10;
constexpr int kMinValuePx = 14;
constexpr int kMinValueSmallPx = 10;

// Enlargement of the emphasised figure; the frame rate is a short number,
// so it can grow more than the wide resolution and bitrate texts.
constexpr double kResolutionEmphasis = 1.2;
constexpr double kFrameRateEmphasis = 1.3;
constexpr double kBitRateEmphasis = 1.2;

// The form's size: in these proportions the widest figures fit side by side.
constexpr int kFormWidth = 663;
constexpr int kFormHeight = 453;

int proportionalHeight(int width)
{
    return width * kFormHeight / kFormWidth;
}

int truncated(double value)
{
    return static_cast<int>(value);
}

// A figure or name from the data files in the page's HTML, as written.
QString shownValue(const QString& value)
{
    return value.toHtmlEscaped();
}

void recolour(QString& text)
{
    text.replace(kAccent, kGrey, Qt::CaseInsensitive);
}

} // namespace

EncodeingPage::EncodeingPage(QWidget* parent, ValuePreferSection prefer)
    : aptui::Widget(parent)
    , m_ui(std::make_unique<Ui::EncodeingPage>())
    , m_title(QStringLiteral("10"))
    , m_resolution(QStringLiteral("20"))
    , m_frameRate(QStringLiteral("30"))
    , m_bitRate(QStringLiteral("40"))
    , m_prefer(prefer)
{
    m_ui->setupUi(this);

    m_titleTemplate = SkinColours::resolve(QStringLiteral(
        "<html><head/><body><p>\t"
        "<span style=\" font-size:%number_big%px; font-weight:600; font-family:'Arial' ;color:@text;\">%text_pre%</span>\t"
        "<span style=\" font-size:%number_small%px; font-weight:600; font-family:'Arial';color:@text\">%text_next%</span>\t"
        "</p></body></html>"));
    m_resolutionUnitTemplate = SkinColours::resolve(QStringLiteral(
        "<html><head/><body><p align=\"center\">\t"
        "<span style=\" font-family:'Arial'; font-size:%number_big%px; font-weight:600; color:@accent;\">%count_value%</span>\t<br/>\t"
        "<span style=\" font-family:'Arial'; font-size:%number_big%px; color:@accent;\">%unit_value%</span>\t<br/>\t"
        "<span style=\" font-family:'Arial'; font-size:%number_small%px; color:@text-secondary;\">%section%</span>\t"
        "</p></body></html>"));
    const QString valueTemplate = SkinColours::resolve(QStringLiteral(
        "<html><head/><body><p align=\"center\">\t"
        "<span style=\" font-family:'Arial'; font-size:%number_big%px; font-weight:600; color:@accent;\">%count_value%</span>\t<br/>\t"
        "<span style=\" font-family:'Arial'; font-size:%number_small%px; color:@text-secondary;\">%section%</span>\t"
        "</p></body></html>"));
    m_resolutionTemplate = valueTemplate;
    m_frameRateTemplate = valueTemplate;
    m_bitRateTemplate = valueTemplate;
}

EncodeingPage::~EncodeingPage() = default;

void EncodeingPage::setKeepFormProportions(bool keep)
{
    m_keepFormProportions = keep;
    setMaximumHeight(keep ? proportionalHeight(width()) : QWIDGETSIZE_MAX);
}

EncodeingPage::ValueSizes EncodeingPage::valueSizes(ValuePreferSection figure) const
{
    if (figure != m_prefer)
        return { m_valueBigSize, m_valueSmallSize };
    double factor = 1.0;
    switch (figure) {
    case PreferResolution:
        factor = kResolutionEmphasis;
        break;
    case PreferFrameRate:
        factor = kFrameRateEmphasis;
        break;
    case PreferBitRate:
        factor = kBitRateEmphasis;
        break;
    }
    return { truncated(m_valueBigSize * factor), truncated(m_valueSmallSize * factor) };
}

QString EncodeingPage::fillValue(const QString& valueTemplate, ValuePreferSection figure, const QString& value,
                                 const QString& section) const
{
    const ValueSizes sizes = valueSizes(figure);
    QString text = valueTemplate;
    // Sizes and caption first: the figure comes from the data files and is
    // inserted last, so nothing in it is taken for a placeholder. It comes
    // here as HTML already (see shownValue()).
    text.replace(kBig, QString::number(sizes.big));
    text.replace(kSmall, QString::number(sizes.small));
    text.replace(kSection, section);
    text.replace(kCountValue, value);
    return text;
}

void EncodeingPage::setTitle(const QString& title)
{
    m_title = title;
    const QString next = m_title == tr("Frame Rate") ? tr(" Priority Calculate Result 1")
                                                     : tr(" Priority Calculate Result 2");
    QString text = m_titleTemplate;
    text.replace(kBig, QString::number(m_titleBigSize));
    text.replace(kSmall, QString::number(m_titleSmallSize));
    text.replace(kTextNext, next);
    text.replace(kTextPre, shownValue(m_title));
    m_ui->titleLabel->setText(text);
}

void EncodeingPage::setResolution(const QString& resolution)
{
    m_resolution = resolution;
    // The name is the bitrate table's, shown as written but for the pixel
    // size's "x", which becomes a multiplication sign.
    const QString shown = shownValue(m_resolution).replace(QLatin1Char('x'), kTimes);

    QString text;
    if (shown.contains(QLatin1Char('('))) {
        // "1080P(1920x1080)": the name above its pixel size, both large.
        const QStringList parts = shown.split(QLatin1Char('('));
        const ValueSizes sizes = valueSizes(PreferResolution);
        text = m_resolutionUnitTemplate;
        text.replace(kBig, QString::number(sizes.big));
        text.replace(kSmall, QString::number(sizes.small));
        text.replace(kSection, tr("Resolution"));
        text.replace(kUnitValue, QLatin1Char('(') + parts.value(1));
        text.replace(kCountValue, parts.value(0));
    } else {
        text = fillValue(m_resolutionTemplate, PreferResolution, shown, tr("Resolution"));
    }
    m_ui->resolutionLabel->setText(text);
    m_ui->resolutionLabel->setToolTip(text);
}

void EncodeingPage::setFrameRate(const QString& frameRate)
{
    m_frameRate = frameRate;
    const QString text = fillValue(m_frameRateTemplate, PreferFrameRate, shownValue(m_frameRate), tr("Frame Rate"));
    m_ui->frameRateLabel->setText(text);
    m_ui->frameRateLabel->setToolTip(text);
}

void EncodeingPage::setBitRate(const QString& bitRate)
{
    m_bitRate = bitRate;
    const QString text = fillValue(m_bitRateTemplate, PreferBitRate, shownValue(m_bitRate), tr("Bit Rate (kbps)"));
    m_ui->bitRateLabel->setText(text);
    m_ui->bitRateLabel->setToolTip(text);
}

void EncodeingPage::setAllInformation(const QString& resolution, const QString& frameRate, const QString& bitRate)
{
    setResolution(resolution);
    setFrameRate(frameRate);
    setBitRate(bitRate);
}

void EncodeingPage::setPrefer(ValuePreferSection perfer)
{
    m_prefer = perfer;
    // Grey the accent of the figures that are not emphasised. The change
    // stays in the templates: each page gets its emphasis once, up front.
    switch (m_prefer) {
    case PreferResolution:
        recolour(m_frameRateTemplate);
        recolour(m_bitRateTemplate);
        break;
    case PreferFrameRate:
        recolour(m_resolutionUnitTemplate);
        recolour(m_resolutionTemplate);
        recolour(m_bitRateTemplate);
        break;
    case PreferBitRate:
        recolour(m_resolutionUnitTemplate);
        recolour(m_resolutionTemplate);
        recolour(m_frameRateTemplate);
        break;
    }
    update();
}

void EncodeingPage::resizeEvent(QResizeEvent* event)
{
    if (m_keepFormProportions) {
        // A lower limit shrinks the page at once, and that nested resize has
        // already drawn the figures for the final height.
        setMaximumHeight(proportionalHeight(event->size().width()));
        if (height() != event->size().height())
            return;
    }

    const double height = event->size().height();
    m_titleBigSize = std::max(kMinTitlePx, truncated(kTitleFactor * height));
    m_titleSmallSize = std::max(kMinTitleSmallPx, truncated(kTitleSmallFactor * height));
    m_valueBigSize = std::max(kMinValuePx, truncated(kValueFactor * height));
    m_valueSmallSize = std::max(kMinValueSmallPx, truncated(kValueSmallFactor * height));

    setTitle(m_title);
    setResolution(m_resolution);
    setFrameRate(m_frameRate);
    setBitRate(m_bitRate);
    aptui::Widget::resizeEvent(event);
}
