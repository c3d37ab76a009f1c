#include "biorhythms/BioChart.h"

#include "forms/Look.h"

#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QTimer>
#include <QValueAxis>

#include <array>
#include <cmath>

namespace biorhythms {
namespace {

// The four cycles' colours, as the bars show them; further lines repeat them.
const std::array<QColor, 4> kLineColours = {QColor(0, 255, 0), QColor(255, 0, 255),
                                            QColor(0, 255, 255), QColor(255, 255, 0)};
constexpr int kDefaultWidth = 6;
// Pen widths count quarter pixels, so that the widest lines stay lines.
constexpr double kPixelsPerWidth = 0.25;
constexpr int kFirstPerson = 4; // the lines of the main profile; the next ones are a second
const QColor kGrid(60, 70, 120);
const QColor kText(230, 225, 210);
const QColor kCasing(248, 240, 220, 150); // under a second person's lines
constexpr double kCasingPixels = 3.0;
constexpr double kLegendPoints = 7.0;
constexpr double kLegendEntryExtra = 3.0; // marker and spacing of an entry, in text heights
constexpr double kLegendRowLines = 2.0;   // height of a row of entries, in text heights
// Row labels take the largest of these sizes at which they all stand apart.
constexpr double kLargestLabelPoints = 8.0;
constexpr double kSmallestLabelPoints = 6.0;
constexpr double kLabelGap = 3.0; // pixels between two labels, and under the plot
constexpr int kMargin = 4;

Qt::PenStyle penStyleOf(int style) {
    switch (style) {
    case 2:
        return Qt::DashLine;
    case 3:
        return Qt::DotLine;
    case 4:
        return Qt::DashDotLine;
    case 5:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

QFont chartFont(double points) {
    return forms::arialFont(points);
}

} // namespace

BioChart::BioChart(QWidget* parent)
    : QChartView(parent), m_rowAxis(new QValueAxis), m_valueAxis(new QValueAxis) {
    auto* plot = new QChart;
    plot->setBackgroundBrush(forms::kDeepBlue);
    plot->setBackgroundRoundness(0);
    const double labelHeight = QFontMetricsF(chartFont(kLargestLabelPoints)).height();
    plot->setMargins(
        QMargins(kMargin, kMargin, kMargin, static_cast<int>(labelHeight + 2 * kLabelGap)));
    m_valueAxis->setRange(-1.0, 1.0);
    m_valueAxis->setTickCount(5);
    m_valueAxis->setLabelFormat(QStringLiteral("%.1f"));
    m_valueAxis->setLabelsFont(chartFont(kLegendPoints));
    m_valueAxis->setLabelsColor(kText);
    // The rows' own labels are drawn under their points; the axis gives the grid between them.
    m_rowAxis->setLabelsVisible(false);
    for (QValueAxis* axis : {m_rowAxis, m_valueAxis}) {
        axis->setGridLineColor(kGrid);
        axis->setLinePenColor(kGrid);
    }
    plot->addAxis(m_rowAxis, Qt::AlignBottom);
    plot->addAxis(m_valueAxis, Qt::AlignLeft);
    QLegend* legend = plot->legend();
    legend->setLabelColor(kText);
    legend->setFont(chartFont(kLegendPoints));
    legend->setAlignment(Qt::AlignTop);
    legend->detachFromChart();
    legend->setBackgroundVisible(false);
    legend->setVisible(false);
    setChart(plot);
    connect(plot, &QChart::plotAreaChanged, this, &BioChart::placeLabels);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(forms::kDeepBlue);
}

BioChart::Pen BioChart::defaultPen(int series) {
    Pen pen;
    pen.legend = QStringLiteral("C%1").arg(series);
    pen.width = kDefaultWidth;
    pen.colour = kLineColours[static_cast<std::size_t>(series - 1) % kLineColours.size()];
    return pen;
}

void BioChart::setRowCount(int rows) {
    rows = std::max(0, rows);
    while (m_labels.size() > rows) {
        m_labels.removeLast();
    }
    while (m_labels.size() < rows) {
        m_labels.append(QString::number(m_labels.size() + 1));
    }
    m_row = std::clamp(m_row, 1, std::max(1, rows));
    scheduleRedraw();
}

void BioChart::setColumnCount(int columns) {
    m_pens.clear();
    for (int series = 1; series <= columns; ++series) {
        m_pens.append(defaultPen(series));
    }
    scheduleRedraw();
}

void BioChart::setChartData(const Table& table) {
    m_table = table;
    scheduleRedraw();
}

runtime::Single BioChart::data(int row, int column) const {
    if (row < 1 || row > m_table.size() || column < 1 || column > m_table[row - 1].size()) {
        return 0.0F;
    }
    return m_table[row - 1][column - 1];
}

void BioChart::setChartType(int type) {
    m_type = type;
    scheduleRedraw();
}

void BioChart::setRow(int row) {
    if (row >= 1 && row <= rowCount()) {
        m_row = row;
    }
}

void BioChart::setRowLabel(const QString& label) {
    if (m_row >= 1 && m_row <= rowCount()) {
        m_labels[m_row - 1] = label;
        scheduleRedraw();
    }
}

QString BioChart::rowLabel(int row) const {
    return row >= 1 && row <= rowCount() ? m_labels[row - 1] : QString();
}

void BioChart::setLegendVisible(bool visible) {
    m_legendVisible = visible;
    chart()->legend()->setVisible(visible);
    placeLegend();
}

void BioChart::setLegendLocationType(int type) {
    m_legendLocation = type;
    placeLegend();
}

void BioChart::setLegendTextHorizontalAlignment(int alignment) {
    m_legendAlignment = alignment;
    chart()->legend()->setMarkerShape(alignment == kAlignRight ? QLegend::MarkerShapeRectangle
                                                               : QLegend::MarkerShapeDefault);
}

void BioChart::setSeriesLegendText(int series, const QString& text) {
    if (validSeries(series)) {
        m_pens[series - 1].legend = text;
        scheduleRedraw();
    }
}

QString BioChart::seriesLegendText(int series) const {
    return validSeries(series) ? m_pens[series - 1].legend : QString();
}

void BioChart::setSeriesPenWidth(int series, int width) {
    if (validSeries(series)) {
        m_pens[series - 1].width = width;
        scheduleRedraw();
    }
}

int BioChart::seriesPenWidth(int series) const {
    return validSeries(series) ? m_pens[series - 1].width : 0;
}

void BioChart::setSeriesPenColor(int series, const QColor& colour) {
    if (validSeries(series)) {
        m_pens[series - 1].colour = colour;
        scheduleRedraw();
    }
}

QColor BioChart::seriesPenColor(int series) const {
    return validSeries(series) ? m_pens[series - 1].colour : QColor();
}

void BioChart::setSeriesPenStyle(int series, int style) {
    if (validSeries(series)) {
        m_pens[series - 1].style = style;
        scheduleRedraw();
    }
}

int BioChart::seriesPenStyle(int series) const {
    return validSeries(series) ? m_pens[series - 1].style : 0;
}

// A whole chart is set one operation after another; the lines are drawn once, when the event
// loop runs again.
void BioChart::scheduleRedraw() {
    if (m_redrawPending) {
        return;
    }
    m_redrawPending = true;
    QTimer::singleShot(0, this, [this] {
        m_redrawPending = false;
        redrawLabels();
        redrawLines();
        placeLegend();
    });
}

QLineSeries* BioChart::addLine(int column, const QPen& pen) {
    auto* line = new QLineSeries;
    for (int row = 1; row <= rowCount(); ++row) {
        line->append(row - 1, data(row, column));
    }
    line->setPen(pen);
    chart()->addSeries(line);
    line->attachAxis(m_rowAxis);
    line->attachAxis(m_valueAxis);
    return line;
}

void BioChart::redrawLines() {
    QChart* plot = chart();
    plot->removeAllSeries();
    if (m_type != kLine2d) {
        return;
    }
    for (int column = 1; column <= columnCount(); ++column) {
        const Pen& pen = m_pens[column - 1];
        const double width = std::max(1.0, pen.width * kPixelsPerWidth);
        if (column > kFirstPerson) {
            QLineSeries* casing = addLine(column, QPen(kCasing, width + kCasingPixels));
            for (QLegendMarker* marker : plot->legend()->markers(casing)) {
                marker->setVisible(false);
            }
        }
        QLineSeries* line = addLine(column, QPen(pen.colour, width, penStyleOf(pen.style)));
        line->setName(pen.legend);
    }
}

// One text item per row; the grid has a line between each two rows.
void BioChart::redrawLabels() {
    while (m_rowTexts.size() > m_labels.size()) {
        delete m_rowTexts.takeLast();
    }
    while (m_rowTexts.size() < m_labels.size()) {
        auto* text = new QGraphicsSimpleTextItem(chart());
        text->setBrush(kText);
        m_rowTexts.append(text);
    }
    for (int i = 0; i < m_labels.size(); ++i) {
        m_rowTexts[i]->setText(m_labels[i]);
    }
    const auto rows = static_cast<double>(std::max<qsizetype>(1, m_labels.size()));
    m_rowAxis->setRange(-0.5, rows - 0.5);
    m_rowAxis->setTickCount(static_cast<int>(rows) + 1);
    placeLabels();
}

// The legend stands at the chart's top left, its entries in rows above the plot, so that the
// plot keeps the chart's whole width for its rows.
void BioChart::placeLegend() {
    QChart* plot = chart();
    QLegend* legend = plot->legend();
    double height = 0.0;
    if (m_legendVisible && !m_pens.isEmpty()) {
        const QFontMetricsF metrics(legend->font());
        double entry = 0.0;
        for (const Pen& pen : std::as_const(m_pens)) {
            entry = std::max(entry, metrics.horizontalAdvance(pen.legend));
        }
        entry += kLegendEntryExtra * metrics.height();
        const double width = std::max(entry, plot->size().width() - 2.0 * kMargin);
        const auto perRow = std::max<qsizetype>(1, static_cast<qsizetype>(width / entry));
        const qsizetype rows = (m_pens.size() + perRow - 1) / perRow;
        height = (static_cast<double>(rows) * kLegendRowLines + 0.5) * metrics.height();
        legend->setGeometry(QRectF(kMargin, kMargin, width, height));
        legend->update();
    }
    QMargins margins = plot->margins();
    margins.setTop(kMargin + static_cast<int>(std::ceil(height)));
    if (margins != plot->margins()) {
        plot->setMargins(margins);
    }
}

void BioChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    placeLegend();
}

// Each label centred under its point, in the largest size at which neighbours stay apart.
void BioChart::placeLabels() {
    if (m_rowTexts.isEmpty()) {
        return;
    }
    const QRectF area = chart()->plotArea();
    const double slot = area.width() / static_cast<double>(m_rowTexts.size());
    QFont font = chartFont(kLargestLabelPoints);
    while (font.pointSizeF() > kSmallestLabelPoints) {
        const QFontMetricsF metrics(font);
        double widest = 0.0;
        for (const QString& label : std::as_const(m_labels)) {
            widest = std::max(widest, metrics.horizontalAdvance(label));
        }
        if (widest + kLabelGap <= slot) {
            break;
        }
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    for (int i = 0; i < m_rowTexts.size(); ++i) {
        QGraphicsSimpleTextItem* text = m_rowTexts[i];
        text->setFont(font);
        const double centre = area.left() + (i + 0.5) * slot;
        text->setPos(centre - text->boundingRect().width() / 2.0, area.bottom() + kLabelGap);
    }
}

} // namespace biorhythms
