#pragma once

#include <string>

// Status texts the link shows, in the current language. English until the
// window fills them from its message table.
struct TLinkTexts {
    std::string ProgramError = "Program error!";
    std::string VerifyError = "Verify error!";
    std::string ReadError = "Read error!";
    std::string Saving = "Saving:";
    std::string Programing = "Programing";
};
