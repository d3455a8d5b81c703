#pragma once

#include "files/image_copy.h"
#include "files/settings.h"

#include <string>

// The two files the window writes when it closes, as the program reads them,
// each reduced to one line of text that two versions can be compared by.
struct TSavedFile {
    bool Whole = false; // there, and every value in it readable to its end
    std::string Text;   // the values; "missing" or why it is not whole
};

struct TSavedFiles {
    TSavedFile Settings;
    TSavedFile Image;
};

std::string DescribeSettings(const TSettings& settings);
std::string DescribeImage(const TImageBytes& bytes);

// Reads both files from the window's configuration folder.
TSavedFiles ReadSavedFiles();
