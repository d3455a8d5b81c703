# Checks that a built PDF is one: the PDF header and at least one page object.
# Run as: cmake -DPDF=path -P check_pdf.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT EXISTS "${PDF}")
    message(FATAL_ERROR "${PDF} was not built")
endif()
file(READ "${PDF}" header LIMIT 5 HEX)
# Compared as the bytes are, in hexadecimal: "%PDF-".
if(NOT header STREQUAL "255044462d")
    message(FATAL_ERROR "${PDF} does not start with %PDF-")
endif()
# "/Type /Page" names one page; "/Type /Pages" the tree that holds them.
file(STRINGS "${PDF}" pages REGEX "/Type */Page([^s]|$)")
list(LENGTH pages count)
if(count LESS 1)
    message(FATAL_ERROR "${PDF} has no page")
endif()
message(STATUS "${PDF}: ${count} pages")
