#include "cli/cli_report.h"
#include "link/monitor_display.h"

#include <QJsonArray>
#include <gtest/gtest.h>

#include <string>

namespace {

QJsonObject Named(const QJsonArray& list, const char* name)
{
    for (const QJsonValue& entry : list)
        if (entry["name"].toString() == name)
            return entry.toObject();
    return {};
}

// The JSON holds each number as the window shows it, to the unit's
// resolution, and names the polarity beside its raw byte wherever it appears.
TEST(CliJson, NumbersAsTheWindowShowsThemAndThePolarityByName)
{
    const QStringList measured{"positive", "negative"};
    for (unsigned millivolts = 0; millivolts <= 0xFFFF; millivolts += 7) {
        TMonitorRecord record;
        record.Bytes[MonitorByte::Speed] = 100;
        record.Bytes[MonitorByte::PickUp] = 1;
        record.Bytes[MonitorByte::Millivolts] = static_cast<std::uint8_t>(millivolts);
        record.Bytes[MonitorByte::Millivolts + 1] = static_cast<std::uint8_t>(millivolts >> 8);
        const int polarity = static_cast<int>(millivolts % 3);
        record.Bytes[MonitorByte::MeasuredPolarity] = static_cast<std::uint8_t>(polarity);
        const QJsonObject json = MonitorJson(record);
        const std::string shown = VoltageText(millivolts); // "U = 13.9 [V]"
        EXPECT_EQ(json["supply_voltage_v"].toDouble(), std::stod(shown.substr(4))) << shown;
        EXPECT_EQ(json["polarity"].toString(), measured[polarity != 0]);
        EXPECT_EQ(json["polarity_raw"].toInt(-1), polarity);
    }

    const QStringList chosen{"positive", "negative", "selfsearch"};
    TParamImage from;
    from.SetDefaults();
    for (int polarity = 0; polarity < 3; ++polarity) {
        TParamImage to = from;
        from[ImageByte::Polarity] = static_cast<std::uint8_t>((polarity + 1) % 3);
        to[ImageByte::Polarity] = static_cast<std::uint8_t>(polarity);
        const QJsonObject value = Named(ParamsJson(to), "polarity");
        EXPECT_EQ(value["value"].toString(), chosen[polarity]);
        EXPECT_EQ(value["raw"].toInt(-1), polarity);
        const QJsonObject change = Named(ChangesJson(DiffParams(from, to)), "polarity");
        EXPECT_EQ(change["from"].toString(), chosen[(polarity + 1) % 3]);
        EXPECT_EQ(change["to"].toString(), chosen[polarity]);
        EXPECT_EQ(change["to_raw"].toInt(-1), polarity);
        EXPECT_TRUE(ParamsText(to).contains("polarity: " + chosen[polarity]));
    }
}

} // namespace
