#include "forms/EntryKeys.h"

namespace EntryKeys {

bool Accepts(char32_t key, bool decimalPoint)
{
    return (key >= U'0' && key <= U'9') || key == Backspace || (decimalPoint && key == U'.');
}

}  // namespace EntryKeys
