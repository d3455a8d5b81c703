#include "cli/cli_report.h"
#include "link/monitor_display.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The JSON holds each number as the window shows it, to the unit's
// resolution, and names the polarity beside its raw byte wherever it appears.
TEST(CliJson, NumbersAsTheWindowShowsThemAndThePolarityByName)
{
    for (unsigned millivolts = 0; millivolts <= 0xFFFF; millivolts += 7) {
        TMonitorRecord record;
        record.Bytes[MonitorByte::Speed] = record.Bytes[MonitorByte::PickUp] = 1;
        record.Bytes[MonitorByte::Millivolts] = static_cast<std::uint8_t>(millivolts);
        record.Bytes[MonitorByte::Millivolts + 1] = static_cast<std::uint8_t>(millivolts >> 8);
        const int polarity = static_cast<int>(millivolts % 3);
        record.Bytes[MonitorByte::MeasuredPolarity] = static_cast<std::uint8_t>(polarity);
        const QJsonObject json = MonitorJson(record);
        const std::string shown = VoltageText(millivolts); // "U = 13.9 [V]"
        EXPECT_EQ(json["supply_voltage_v"].toDouble(), std::stod(shown.substr(4))) << shown;
        EXPECT_EQ(json["polarity"].toString(), polarity ? "negative" : "positive");
        EXPECT_EQ(json["polarity_raw"].toInt(-1), polarity);
    }
    const char* chosen[] = {"positive", "negative", "selfsearch"};
    TParamImage from;
    from.SetDefaults();
    for (int polarity = 0; polarity < 3; ++polarity) {
        TParamImage to = from;
        to[ImageByte::Polarity] = static_cast<std::uint8_t>(polarity);
        from[ImageByte::Polarity] = static_cast<std::uint8_t>((polarity + 1) % 3);
        for (const QJsonValue& value : ParamsJson(to)) {
            if (value["name"] != "polarity")
                continue;
            EXPECT_EQ(value, (QJsonObject{{"name", "polarity"},
                                          {"value", chosen[polarity]},
                                          {"raw", polarity},
                                          {"unit", ""}}));
        }
        const QJsonValue change = ChangesJson(DiffParams(from, to)).first();
        EXPECT_EQ(change["to"], chosen[polarity]);
        EXPECT_EQ(change["to_raw"], polarity);
    }
}

} // namespace
