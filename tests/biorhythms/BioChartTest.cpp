#include "biorhythms/BioChart.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>

#include <algorithm>

#include <gtest/gtest.h>

using biorhythms::BioChart;

namespace {

QList<QLineSeries*> drawnLines(BioChart& chart) {
    QCoreApplication::processEvents();
    QList<QLineSeries*> lines;
    for (QAbstractSeries* series : chart.chart()->series()) {
        lines.append(static_cast<QLineSeries*>(series));
    }
    return lines;
}

// The day labels drawn under the points, from left to right.
QStringList drawnLabels(BioChart& chart) {
    QCoreApplication::processEvents();
    QList<QGraphicsSimpleTextItem*> items;
    for (QGraphicsItem* item : chart.scene()->items()) {
        if (auto* text = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item)) {
            items.append(text);
        }
    }
    std::sort(items.begin(), items.end(), [](const auto* a, const auto* b) {
        return a->sceneBoundingRect().center().x() < b->sceneBoundingRect().center().x();
    });
    QStringList texts;
    for (const QGraphicsSimpleTextItem* item : items) {
        texts.append(item->text());
    }
    return texts;
}

} // namespace

TEST(BioChart, DrawsOneLinePerColumnWithItsPenAndLegend) {
    BioChart chart;
    chart.setRowCount(3);
    chart.setColumnCount(2);
    chart.setChartData({{0.5F, -0.5F}, {1.0F, -1.0F}, {0.0F}});
    chart.setChartType(BioChart::kLine2d);
    chart.setSeriesLegendText(2, "Emotional2");
    chart.setSeriesPenWidth(2, 10);
    chart.setSeriesPenColor(2, QColor(255, 0, 0));
    chart.setSeriesPenStyle(2, BioChart::kPenSolid);
    const QList<QLineSeries*> lines = drawnLines(chart);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1]->name(), "Emotional2");
    EXPECT_EQ(lines[1]->pen().color(), QColor(255, 0, 0));
    EXPECT_EQ(lines[1]->pen().style(), Qt::SolidLine);
    EXPECT_GT(lines[1]->pen().widthF(), lines[0]->pen().widthF());
    ASSERT_EQ(lines[0]->count(), 3);
    EXPECT_EQ(lines[0]->at(1).y(), 1.0);
    EXPECT_EQ(lines[1]->at(2).y(), 0.0) << "a missing value is 0";
    EXPECT_EQ(chart.data(3, 2), 0.0F);
    EXPECT_EQ(chart.data(4, 1), 0.0F) << "outside the table";
}

TEST(BioChart, RowLabelsAndANewColumnCountStartFresh) {
    BioChart chart;
    chart.setRowCount(3);
    chart.setColumnCount(1);
    chart.setSeriesLegendText(1, "Physical");
    chart.setSeriesPenWidth(1, 10);
    chart.setRow(2);
    chart.setRowLabel("31");
    chart.setRow(9); // outside: the current row stays
    chart.setRowLabel("1");
    EXPECT_EQ(chart.rowLabel(1), "1");
    EXPECT_EQ(chart.rowLabel(2), "1");
    EXPECT_EQ(chart.rowLabel(3), "3");
    chart.setColumnCount(1);
    EXPECT_NE(chart.seriesLegendText(1), "Physical");
    EXPECT_NE(chart.seriesPenWidth(1), 10);
    EXPECT_EQ(chart.seriesLegendText(2), "") << "no such series";
    const QList<QLineSeries*> lines = drawnLines(chart);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(drawnLabels(chart), QStringList({"1", "1", "3"}))
        << "a repeated label keeps its row's place";
}

TEST(BioChart, ASecondPersonsLinesStandOnACasing) {
    BioChart chart;
    chart.setRowCount(2);
    chart.setColumnCount(5);
    chart.setLegendVisible(true);
    chart.setSeriesLegendText(5, "Physical2");
    chart.setSeriesPenWidth(5, 10);
    const QList<QLineSeries*> lines = drawnLines(chart);
    ASSERT_EQ(lines.size(), 6) << "four lines, a casing, the fifth line over it";
    const QLineSeries* casing = lines[4];
    const QLineSeries* fifth = lines[5];
    EXPECT_EQ(fifth->name(), "Physical2");
    EXPECT_GT(casing->pen().widthF(), fifth->pen().widthF());
    EXPECT_EQ(casing->points(), fifth->points());
    const QList<QLegendMarker*> casingMarkers = chart.chart()->legend()->markers(lines[4]);
    ASSERT_EQ(casingMarkers.size(), 1);
    EXPECT_FALSE(casingMarkers[0]->isVisible()) << "the casing has no legend entry";
    for (const QLineSeries* first : lines.mid(0, 4)) {
        EXPECT_LT(first->pen().widthF(), fifth->pen().widthF());
    }
}
