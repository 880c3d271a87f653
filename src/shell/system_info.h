#pragma once

class QWidget;

namespace zentaro::shell {

inline constexpr char kSystemInfoUnavailable[] = "System Information Is Unavailable At This Time";

// Starts the platform's system-information program, or says it is unavailable.
void StartSysInfo(QWidget* parent);

} // namespace zentaro::shell
