#pragma once

#include <QString>

#include <string>

enum class TParamFileStatus { Ok, CannotOpen, TooLarge };

struct TParamFileText {
    TParamFileStatus Status = TParamFileStatus::CannotOpen;
    std::string Text; // empty unless Ok
};

// The content of a parameter file for ReadParamFile. A file larger than
// MaxParamFileSize is refused without reading more of it than that; either
// failure is shown as "Open file error!".
TParamFileText ReadParamFileFromDisk(const QString& path);
