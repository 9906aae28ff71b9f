#pragma once
// Which typed characters the loop editor's number boxes take. Quantities and
// impedances take a decimal point; cable runs and the output limit take whole
// numbers only. Every box takes backspace. A refused key beeps and is dropped.

namespace EntryKeys {

constexpr char32_t Backspace = U'\b';

bool Accepts(char32_t key, bool decimalPoint);

}  // namespace EntryKeys
