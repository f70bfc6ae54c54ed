#pragma once

#include <QString>
#include <cstddef>

namespace qc {

// Shows the one error box of the program: title "错误", the error icon, and
// "运行时出错!\r\n\r\n错误信息：<message>\r\n". The caller then ends the run with code −1.
void ShowFatalError(const QString& message);

QString AllocationFailureMessage(std::size_t bytes);
QString WindowLoadFailureMessage();

// The size of the last allocation that failed, for the error box (0 when unknown).
std::size_t LastFailedAllocationSize();

}  // namespace qc
