#include "ui/message_table.h"

// Placeholder rows until the four-language table is written.
const std::array<TLangText, MessageCount>& MessageRows()
{
    static const std::array<TLangText, MessageCount> rows{};
    return rows;
}

TMessageTable BuildMessageTable(std::uint8_t language)
{
    TMessageTable table;
    for (int i = 0; i < MessageCount; ++i)
        table[i] = MessageRows()[i][language];
    return table;
}
