#pragma once

namespace zentaro {

// The user's decimal separator, used by the strict conversions and FormatPlain.
// main() reads it from the system locale once, before any window exists; it is
// the only process-wide setting and it never changes afterwards.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

} // namespace zentaro
