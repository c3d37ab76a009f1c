#include "biorhythms/BioChart.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QTimer>
#include <QValueAxis>

#include <array>

namespace biorhythms {
namespace {

// The four cycles' colours, as the bars show them; further lines repeat them.
const std::array<QColor, 4> kLineColours = {QColor(0, 255, 0), QColor(255, 0, 255),
                                            QColor(0, 255, 255), QColor(255, 255, 0)};
constexpr int kDefaultWidth = 6;
// Pen widths count quarter pixels, so that the widest lines stay lines.
constexpr double kPixelsPerWidth = 0.25;
const QColor kGround(16, 22, 52);
const QColor kGrid(70, 80, 130);
const QColor kText(230, 225, 210);

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

} // namespace

BioChart::BioChart(QWidget* parent)
    : QChartView(parent), m_rowAxis(new QBarCategoryAxis), m_valueAxis(new QValueAxis) {
    auto* plot = new QChart;
    plot->setBackgroundBrush(kGround);
    plot->setMargins(QMargins(4, 4, 4, 4));
    m_valueAxis->setRange(-1.0, 1.0);
    m_valueAxis->setTickCount(5);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(m_rowAxis), static_cast<QAbstractAxis*>(m_valueAxis)}) {
        axis->setLabelsColor(kText);
        axis->setGridLineColor(kGrid);
        axis->setLinePenColor(kGrid);
    }
    plot->addAxis(m_rowAxis, Qt::AlignBottom);
    plot->addAxis(m_valueAxis, Qt::AlignLeft);
    plot->legend()->setLabelColor(kText);
    QFont small = plot->legend()->font();
    small.setPointSizeF(7.0);
    plot->legend()->setFont(small);
    m_rowAxis->setLabelsFont(small);
    m_rowAxis->setTruncateLabels(false);
    m_valueAxis->setLabelsFont(small);
    plot->setBackgroundRoundness(0);
    plot->legend()->setVisible(false);
    setChart(plot);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(kGround);
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
}

void BioChart::setLegendLocationType(int type) {
    m_legendLocation = type;
    // Top left: one entry under the other, from the top of the chart's left side.
    chart()->legend()->setAlignment(type == kLegendTopLeft ? Qt::AlignLeft : Qt::AlignBottom);
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
    });
}

void BioChart::redrawLines() {
    QChart* plot = chart();
    plot->removeAllSeries();
    if (m_type != kLine2d) {
        return;
    }
    for (int column = 1; column <= columnCount(); ++column) {
        const Pen& pen = m_pens[column - 1];
        auto* line = new QLineSeries;
        line->setName(pen.legend);
        for (int row = 1; row <= rowCount(); ++row) {
            line->append(row - 1, data(row, column));
        }
        line->setPen(
            QPen(pen.colour, std::max(1.0, pen.width * kPixelsPerWidth), penStyleOf(pen.style)));
        plot->addSeries(line);
        line->attachAxis(m_rowAxis);
        line->attachAxis(m_valueAxis);
    }
}

// The row axis takes each text once; a repeated label gets invisible spaces, so that every row
// keeps its own place under its point.
void BioChart::redrawLabels() {
    QStringList shown;
    for (const QString& label : m_labels) {
        QString text = label;
        while (shown.contains(text)) {
            text += QChar(0x200B);
        }
        shown.append(text);
    }
    m_rowAxis->clear();
    m_rowAxis->append(shown);
}

} // namespace biorhythms
