#pragma once

#include <QString>

#include <vector>

// A serial device of the machine and what it is.
struct TPortInfo {
    QString Path;
    bool Adapter = false; // USB serial adapter (it reports a vendor)
    QString Description;
    QString Manufacturer;
    QString Ids; // "vvvv:pppp" for adapters
};

// The machine's serial devices in the order the window numbers them.
std::vector<TPortInfo> ListPorts();

// One line per device, for the ports command and the choice below.
QString PortLine(const TPortInfo& port);

// The device to use when none is named: the only one, or the only USB
// adapter among built-in ports that are usually unused. Empty when there is
// no such device; why then says so, listing the candidates.
QString ChoosePort(const std::vector<TPortInfo>& ports, QString& why);
