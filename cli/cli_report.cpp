#include "cli/cli_report.h"

#include "link/monitor_display.h"

#include <algorithm>

namespace {

// A choice by its name, a number as it is.
QString Shown(int value, const std::string& word)
{
    return word.empty() ? QString::number(value) : QString::fromStdString(word);
}

} // namespace

QString UnitText(const TParamImage& image)
{
    return QString("Unit: %1  %2 %3  program version %4")
        .arg(QString::fromStdString(image.IdentText).trimmed(),
             QString::fromStdString(image.DateText), QString::fromStdString(image.TimeText))
        .arg(image[ImageByte::ProgramVersion]);
}

QJsonObject UnitJson(const TParamImage& image)
{
    return {{"ident", QString::fromStdString(image.IdentText).trimmed()},
            {"date", QString::fromStdString(image.DateText)},
            {"time", QString::fromStdString(image.TimeText)},
            {"version", image[ImageByte::ProgramVersion]}};
}

QString ParamsText(const TParamImage& image)
{
    const int points = std::clamp<int>(image[ImageByte::PointCount], 1, CurvePoints);
    QString text = "point     rpm  advance\n";
    for (int p = 0; p < points; ++p)
        text += QString("%1  %2  %3 deg\n")
                    .arg(p + 1, 5)
                    .arg(image.Speed(p) * 100, 6)
                    .arg(image.Advance(p), 3);
    for (const TParamValue& value : ListParams(image))
        if (value.Name.rfind("point ", 0) != 0)
            text += QString("%1: %2%3\n")
                        .arg(QString::fromStdString(value.Name), Shown(value.Value, value.Word))
                        .arg(value.Unit.empty() ? "" : " " + QString::fromStdString(value.Unit));
    return text;
}

QJsonArray ParamsJson(const TParamImage& image)
{
    QJsonArray values;
    for (const TParamValue& value : ListParams(image)) {
        QJsonObject json{{"name", QString::fromStdString(value.Name)},
                         {"value", value.Value},
                         {"unit", QString::fromStdString(value.Unit)}};
        if (!value.Word.empty()) {
            json["value"] = QString::fromStdString(value.Word);
            json["raw"] = value.Value;
        }
        values.append(json);
    }
    return values;
}

QString ChangesText(const std::vector<TParamChange>& changes)
{
    QString text;
    for (const TParamChange& change : changes)
        text += QString("%1: %2 -> %3%4\n")
                    .arg(QString::fromStdString(change.Name), Shown(change.From, change.FromWord),
                         Shown(change.To, change.ToWord))
                    .arg(change.Unit.empty() ? "" : " " + QString::fromStdString(change.Unit));
    return text;
}

QJsonArray ChangesJson(const std::vector<TParamChange>& changes)
{
    QJsonArray list;
    for (const TParamChange& change : changes) {
        QJsonObject json{{"name", QString::fromStdString(change.Name)},
                         {"from", change.From},
                         {"to", change.To},
                         {"unit", QString::fromStdString(change.Unit)}};
        if (!change.FromWord.empty()) {
            json["from"] = QString::fromStdString(change.FromWord);
            json["to"] = QString::fromStdString(change.ToWord);
            json["from_raw"] = change.From;
            json["to_raw"] = change.To;
        }
        list.append(json);
    }
    return list;
}

QJsonArray LimitedJson(const std::vector<TParamFileChange>& limited)
{
    QJsonArray list;
    for (const TParamFileChange& change : limited)
        list.append(QJsonObject{{"key", QString::fromStdString(change.Key)},
                                {"in_file", QString::fromStdString(change.InFile)},
                                {"taken", static_cast<double>(change.Taken)}});
    return list;
}

QString MonitorLine(const TMonitorRecord& record, const TMessageTable& messages)
{
    TMonitorDisplay display;
    const TParamImage noImage;
    ShowMonitor(record, noImage, messages, display);
    QString line;
    for (const TLabelModel* label :
         {&display.LabelRpm, &display.LabelMon_Advance, &display.LabelNapeti, &display.LabelSnimac,
          &display.LabelKillSwitch, &display.LabelMonHardLimiter, &display.LabelPolaritaMer,
          &display.LabelPocetProgramovani})
        line += QString::fromStdString(label->Text).trimmed() + "  ";
    if (record.SavingCountdown() > 0)
        line += QString::fromStdString(messages[MsgSaving]) + " " +
                QString::number(record.SavingCountdown()) + "  ";
    return line.trimmed();
}

QJsonObject MonitorJson(const TMonitorRecord& record)
{
    const TMonitorReading reading = ReadMonitor(record);
    QJsonObject json{{"engine_speed_rpm", reading.EngineSpeed},
                     {"supply_voltage_v", ShownVolts(record.Millivolts())},
                     {"pick_up", reading.PickUp},
                     {"kill_switch", reading.KillSwitch},
                     {"limiter", reading.Limiter},
                     {"saving_countdown", reading.SavingCountdown},
                     {"programming_count", reading.ProgrammingCount}};
    if (reading.AdvanceShown)
        json["advance_deg"] = reading.Advance;
    if (reading.PolarityShown) {
        json["polarity"] = reading.NegativePolarity ? "negative" : "positive";
        json["polarity_raw"] = record.Bytes[MonitorByte::MeasuredPolarity];
    }
    return json;
}
