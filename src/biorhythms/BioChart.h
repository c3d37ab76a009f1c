#pragma once

#include "runtime/Numeric.h"

#include <QChartView>
#include <QColor>
#include <QList>
#include <QStringList>

class QGraphicsSimpleTextItem;
class QLineSeries;
class QPen;
class QValueAxis;

namespace biorhythms {

// The chart of the Biorhythms window: a table of rows (points) and columns (one line each),
// a label under each row, a legend, and a pen and legend text per line. Rows, columns and
// series count from 1. The values run from -1 to 1. Every row label is drawn under its point,
// in a font small enough for the labels to stand apart; the lines after the fourth (a second
// person) are drawn on a light casing so that they stand out from the first four.
class BioChart : public QChartView {
    Q_OBJECT

public:
    static constexpr int kLine2d = 3;        // chart type: two-dimensional lines
    static constexpr int kLegendTopLeft = 1; // legend location type
    static constexpr int kAlignRight = 1;    // legend text horizontal alignment
    static constexpr int kPenSolid = 1;      // pen style
    using Table = QList<QList<runtime::Single>>;

    explicit BioChart(QWidget* parent = nullptr);

    void setRowCount(int rows);
    int rowCount() const { return static_cast<int>(m_labels.size()); }
    // A new column count gives every line its default pen and legend text.
    void setColumnCount(int columns);
    int columnCount() const { return static_cast<int>(m_pens.size()); }
    // The data, row by row; rows and columns beyond the counts are ignored, missing ones are 0.
    void setChartData(const Table& table);
    runtime::Single data(int row, int column) const;
    void setChartType(int type);
    int chartType() const { return m_type; }

    void setRow(int row);
    int row() const { return m_row; }
    // The label of the current row.
    void setRowLabel(const QString& label);
    QString rowLabel(int row) const;

    void setLegendVisible(bool visible);
    bool legendVisible() const { return m_legendVisible; }
    void setLegendLocationType(int type);
    int legendLocationType() const { return m_legendLocation; }
    void setLegendTextHorizontalAlignment(int alignment);
    int legendTextHorizontalAlignment() const { return m_legendAlignment; }

    void setSeriesLegendText(int series, const QString& text);
    QString seriesLegendText(int series) const;
    void setSeriesPenWidth(int series, int width);
    int seriesPenWidth(int series) const;
    void setSeriesPenColor(int series, const QColor& colour);
    QColor seriesPenColor(int series) const;
    void setSeriesPenStyle(int series, int style);
    int seriesPenStyle(int series) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Pen {
        QString legend;
        int width = 0;
        QColor colour;
        int style = kPenSolid;
    };
    static Pen defaultPen(int series);
    bool validSeries(int series) const { return series >= 1 && series <= columnCount(); }
    void scheduleRedraw();
    void redrawLines();
    void redrawLabels();
    void placeLegend();
    void placeLabels();
    QLineSeries* addLine(int column, const QPen& pen);

    QStringList m_labels;
    QList<Pen> m_pens;
    Table m_table;
    int m_type = kLine2d;
    int m_row = 1;
    bool m_legendVisible = false;
    bool m_redrawPending = false;
    int m_legendLocation = kLegendTopLeft;
    int m_legendAlignment = 0;
    QValueAxis* m_rowAxis;
    QValueAxis* m_valueAxis;
    QList<QGraphicsSimpleTextItem*> m_rowTexts;
};

} // namespace biorhythms
