#include "cli/cli_ports.h"

#include "link/port_names.h"

#include <QSerialPortInfo>

#include <algorithm>

std::vector<TPortInfo> ListPorts()
{
    std::vector<std::string> paths;
    const QList<QSerialPortInfo> found = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : found)
        paths.push_back(info.systemLocation().toStdString());
    std::vector<TPortInfo> ports;
    for (const std::string& path : OrderPortNames(paths)) {
        const auto info = std::find_if(found.begin(), found.end(), [&](const QSerialPortInfo& i) {
            return i.systemLocation().toStdString() == path;
        });
        TPortInfo port;
        port.Path = QString::fromStdString(path);
        port.Adapter = info->hasVendorIdentifier();
        port.Description = info->description();
        port.Manufacturer = info->manufacturer();
        if (port.Adapter)
            port.Ids = QString("%1:%2")
                           .arg(info->vendorIdentifier(), 4, 16, QChar('0'))
                           .arg(info->productIdentifier(), 4, 16, QChar('0'));
        ports.push_back(port);
    }
    return ports;
}

QString PortLine(const TPortInfo& port)
{
    QString line = port.Path + "  " + (port.Adapter ? "USB serial adapter" : "serial port");
    for (const QString& detail : {port.Manufacturer, port.Description, port.Ids})
        if (!detail.isEmpty())
            line += ", " + detail;
    return line;
}

QString ChoosePort(const std::vector<TPortInfo>& ports, QString& why)
{
    if (ports.empty()) {
        why = "No serial device found. Plug in the adapter, or name the device with --port.";
        return {};
    }
    std::vector<TPortInfo> adapters;
    std::copy_if(ports.begin(), ports.end(), std::back_inserter(adapters),
                 [](const TPortInfo& port) { return port.Adapter; });
    if (ports.size() == 1)
        return ports.front().Path;
    if (adapters.size() == 1)
        return adapters.front().Path;
    why = "Several serial devices found; name one with --port:";
    for (const TPortInfo& port : adapters.empty() ? ports : adapters)
        why += "\n  " + PortLine(port);
    return {};
}
