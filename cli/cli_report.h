#pragma once

#include "files/param_file.h"
#include "files/param_listing.h"
#include "link/monitor_record.h"
#include "params/param_image.h"
#include "texts/message_table.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <vector>

// The unit's identification as block 0 gives it.
QString UnitText(const TParamImage& image);
QJsonObject UnitJson(const TParamImage& image);

// The parameters as a mechanic reads them: the curve in use as a table,
// then the other values.
QString ParamsText(const TParamImage& image);
QJsonArray ParamsJson(const TParamImage& image);

// One line per change: "point 3 speed: 3000 -> 3200 rpm".
QString ChangesText(const std::vector<TParamChange>& changes);
QJsonArray ChangesJson(const std::vector<TParamChange>& changes);

// The file's numbers that the window's controls would have limited.
QJsonArray LimitedJson(const std::vector<TParamFileChange>& limited);

// One monitor answer as the window shows it, on one line.
QString MonitorLine(const TMonitorRecord& record, const TMessageTable& messages);
// The numbers to the unit's resolution as the window shows them, and the
// polarity by its name beside its raw byte.
QJsonObject MonitorJson(const TMonitorRecord& record);
