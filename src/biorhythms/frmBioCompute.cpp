#include "biorhythms/BioChart.h"
#include "biorhythms/FrmCompaTab.h"
#include "biorhythms/frmBio.h"
#include "biorule/BioRule.h"
#include "biorule/BioState.h"
#include "forms/Look.h"
#include "runtime/Clock.h"
#include "runtime/SystemFormats.h"
#include "shell/SharedTables.h"
#include "ui_frmBio.h"

#include <QPainter>

#include <cmath>

namespace biorhythms {
namespace {

const QColor kBelowZero(255, 0, 0);
const QColor kAboveZero(150, 250, 100);
const QColor kAverageUp(0, 255, 0);
constexpr double kChartTwoPi = 6.28318;
constexpr double kScaleWidth = 12.0; // the bar picture's user scale: x 0..12, y 1..-1

struct Cycle {
    double barFrom;
    double barTo;
    QColor colour;
};
constexpr std::array<Cycle, 4> kCycles = {{
    {0.85, 2.1, QColor(0, 255, 0)},
    {3.6, 4.85, QColor(255, 0, 255)},
    {6.7, 7.95, QColor(0, 255, 255)},
    {9.8, 11.05, QColor(255, 255, 0)},
}};
const std::array<QString, 4> kLegends = {QStringLiteral("Physical"), QStringLiteral("Emotional"),
                                         QStringLiteral("Intellectual"),
                                         QStringLiteral("Intuition")};
const std::array<QString, 4> kSecondLegends = {
    QStringLiteral("Physical2"), QStringLiteral("Emotional2"), QStringLiteral("Intellectual2"),
    QStringLiteral("Intuition2")};
const std::array<QColor, 4> kSecondColours = {QColor(0, 255, 0), QColor(255, 0, 0),
                                              QColor(0, 0, 255), QColor(255, 255, 0)};
constexpr int kSecondPenWidth = 10;

std::array<runtime::Single*, 4> cycleValuesOf(BioState& b) {
    return {&b.bioFisico, &b.bioEmocional, &b.bioIntelectual, &b.bioIntuicion};
}

std::array<runtime::Single*, 4> trendValuesOf(BioState& b) {
    return {&b.bioFisicoProx, &b.bioEmocionalProx, &b.bioIntelectualProx, &b.bioIntuicionProx};
}

// Pixels of the user scale on a picture of that size.
QPointF pixelOf(double x, double y, QSize size) {
    return QPointF(x / kScaleWidth * size.width(), (1.0 - y) / 2.0 * size.height());
}

} // namespace

std::optional<runtime::DateValue> frmBio::studyDate() const {
    return dayMonthYearDate(dayMonthYearText(ui->vsbDayBio->value(), ui->vsbMonthBio->value(),
                                             ui->vsbYearBio->value()));
}

void frmBio::CalcularBio() {
    BioState& b = bioState();
    if (!b.fechaBioFijada) {
        setDateBars(ui->vsbDayBio, ui->vsbMonthBio, ui->vsbYearBio, runtime::Today());
    }
    const QString birth = dayMonthYearText(ui->vsbDayBirth->value(), ui->vsbMonthBirth->value(),
                                           ui->vsbYearBirth->value());
    const QString study =
        dayMonthYearText(ui->vsbDayBio->value(), ui->vsbMonthBio->value(), ui->vsbYearBio->value());
    const int hour = ui->LabelHora->text().toInt();
    const int minute = ui->LabelMinuto->text().toInt();
    applyBioRule(birth, hour, minute, study, runtime::Now());
    ui->lblDays->setText(runtime::formatNumber(b.diasVividos, QStringLiteral("0.00")));
    if (const auto from = dayMonthYearDate(study)) {
        showCountdown(*from);
    }
    drawBars();
    shell::calidadBio();
    const auto average = runtime::numericValue(b.bioMedia);
    forms::setTextColour(ui->LabelMedia, average && *average >= 0.0 ? kAverageUp : kBelowZero);
    ui->LabelMedia->setText(b.bioMedia + QStringLiteral("% ") + b.bioMediaTexto);
    showTrends();
    ui->LabelGetTime->setText(QStringLiteral("Time: ") +
                              runtime::longTimeText(runtime::TimeOfDay()));
    mschart();
}

void frmBio::drawBars() {
    BioState& b = bioState();
    const CycleValues values = cycleValues(b.diasVividos);
    const std::array<runtime::Single*, 4> shared = cycleValuesOf(b);
    const std::array<QLabel*, 4> labels = {ui->LabelFis, ui->LabelEmo, ui->LabelInte, ui->LabelInt};
    const QSize size = ui->PicBio->contentsRect().size();
    QPixmap bars(size);
    bars.fill(forms::kDeepBlue);
    QPainter painter(&bars);
    for (std::size_t i = 0; i < kCycles.size(); ++i) {
        *shared[i] = values[i];
        const Cycle& cycle = kCycles[i];
        painter.fillRect(
            QRectF(pixelOf(cycle.barFrom, 0.0, size), pixelOf(cycle.barTo, values[i], size))
                .normalized(),
            cycle.colour);
        forms::setTextColour(labels[i], values[i] < 0 ? kBelowZero : kAboveZero);
        labels[i]->setText(QStringLiteral("(") +
                           runtime::formatNumber(values[i] * 100.0, QStringLiteral("0.00")) +
                           QStringLiteral(" %)"));
    }
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(pixelOf(9.0, -1.0, size), pixelOf(9.0, 1.0, size));
    painter.drawLine(pixelOf(0.0, 0.0, size), pixelOf(kScaleWidth, 0.0, size));
    painter.end();
    ui->PicBio->setPixmap(bars);
}

void frmBio::showTrends() {
    BioState& b = bioState();
    const CycleValues later = cycleValues(b.diasVividos + kOneHour);
    const std::array<runtime::Single*, 4> now = cycleValuesOf(b);
    const std::array<runtime::Single*, 4> trend = trendValuesOf(b);
    const std::array<std::pair<QLabel*, QLabel*>, 4> arrows = {{
        {ui->Fisascmini, ui->Fisdescmini},
        {ui->Emoascmini, ui->Emodescmini},
        {ui->Inteascmini, ui->Intedescmini},
        {ui->Intuascmini, ui->Intudescmini},
    }};
    for (std::size_t i = 0; i < arrows.size(); ++i) {
        *trend[i] = later[i];
    }
    for (std::size_t i = 0; i < arrows.size(); ++i) {
        const auto& [up, down] = arrows[i];
        if (*trend[i] > *now[i]) {
            up->show();
            down->hide();
        } else if (*trend[i] < *now[i]) {
            down->show();
            up->hide();
        }
    }
}

void frmBio::mschart() {
    const BioState& b = bioState();
    BioChart& chart = *ui->MSChart1;
    const auto base = static_cast<runtime::Single>(b.diasVividos - 1.0);
    const bool second =
        ui->ComboProfiles->count() >= 2 && b.dibujarSecundario && b.perfilSecundarioLeido;
    if (second) {
        calcDiasVividos2();
    } else {
        ui->TextSecondProf->hide();
    }
    const auto base2 = second ? static_cast<runtime::Single>(b.diasVividos2 - 1.0) : 0.0F;
    const int columns = second ? 8 : 4;
    BioChart::Table table;
    for (int row = 1; row <= kChartRows; ++row) {
        QList<runtime::Single> values;
        for (int column = 0; column < columns; ++column) {
            const double days = (column < 4 ? base : base2) - 14.0 + row;
            values.append(static_cast<runtime::Single>(
                std::sin(days * kChartTwoPi / kPeriods[static_cast<std::size_t>(column % 4)])));
        }
        table.append(values);
    }
    chart.setRowCount(kChartRows);
    chart.setColumnCount(columns);
    chart.setChartData(table);
    chart.setChartType(BioChart::kLine2d);
    const auto study = studyDate();
    if (!study) {
        return;
    }
    for (int row = 1; row <= kChartRows; ++row) {
        chart.setRow(row);
        chart.setRowLabel(
            QString::number(runtime::dayOf(runtime::addDays(*study, row - kStudyRow))));
    }
    chart.setLegendVisible(true);
    chart.setLegendLocationType(BioChart::kLegendTopLeft);
    chart.setLegendTextHorizontalAlignment(BioChart::kAlignRight);
    for (int series = 1; series <= 4; ++series) {
        chart.setSeriesLegendText(series, kLegends[static_cast<std::size_t>(series - 1)]);
    }
    if (!second) {
        return;
    }
    for (int series = 5; series <= 8; ++series) {
        const auto k = static_cast<std::size_t>(series - 5);
        chart.setSeriesPenWidth(series, kSecondPenWidth);
        chart.setSeriesPenColor(series, kSecondColours[k]);
        chart.setSeriesLegendText(series, kSecondLegends[k]);
        chart.setSeriesPenStyle(series, BioChart::kPenSolid);
    }
}

} // namespace biorhythms
