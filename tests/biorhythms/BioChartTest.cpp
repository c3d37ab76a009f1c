#include "biorhythms/BioChart.h"

#include <QBarCategoryAxis>
#include <QCoreApplication>
#include <QLineSeries>

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
    auto* axis = static_cast<QBarCategoryAxis*>(chart.chart()->axes(Qt::Horizontal)[0]);
    const QStringList shown = axis->categories();
    ASSERT_EQ(shown.size(), 3) << "a repeated label keeps its row's place";
    EXPECT_EQ(shown[1].trimmed().left(1), "1");
    EXPECT_EQ(shown[2], "3");
}
